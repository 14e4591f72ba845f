#pragma once

#include <QString>
#include <QWidget>

namespace vespera {

// The countdown's huge numeral: white digits with a black outline and a grey shadow lit from the
// right, on a transparent background, centred in the widget. The widget's font family chooses the
// face; where it is missing a metric twin takes its place. A click aborts the countdown.
class CountdownNumeral : public QWidget {
    Q_OBJECT
public:
    explicit CountdownNumeral(QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    void setText(const QString& text);

    // The width the digits need, shadow included.
    int textWidth() const;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QFont numeralFont() const;

    QString text_;
};

} // namespace vespera
