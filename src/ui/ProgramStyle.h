#pragma once

#include <QPixmap>
#include <QProxyStyle>

#include <optional>

namespace vespera {

// The toolkit's style, with the pictures of its Fusion style that the main window shows read as the PNGs
// they are: the menu bar's extension button (asked for as the bar is made) and the frame of a group box.
// The style's own reading asks every picture format plugin of the system, which would load the SVG
// renderer into every shown main window.
class ProgramStyle : public QProxyStyle {
public:
    // The style of that name, as the toolkit made it for this program.
    explicit ProgramStyle(const QString& key);

    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    bool fusion_;                                  // other styles draw as they do
    mutable std::optional<QPixmap> groupBoxFrame_; // read once, at the first frame drawn
};

} // namespace vespera
