#include "ui/ProgramStyle.h"

#include "ui/PngIcon.h"

#include <qdrawutil.h>
#include <QGroupBox>
#include <QGuiApplication>
#include <QStyleOption>
#include <QWidget>

namespace vespera {

namespace {

const QString ToolkitPictures = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

} // namespace

ProgramStyle::ProgramStyle(const QString& key)
    : QProxyStyle(key),
      fusion_(baseStyle()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0) {}

// The toolkit's own pictures of the button; where they are not found, the style reads them its way.
QIcon ProgramStyle::standardIcon(StandardPixmap picture, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (!fusion_ || picture != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(picture, option, widget);
    const bool rightToLeft = (option   ? option->direction
                              : widget ? widget->layoutDirection()
                                       : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
    const QString name =
        ToolkitPictures +
        QStringLiteral("toolbar-ext-h-%1%2.png").arg(rightToLeft ? QStringLiteral("rtl-") : QString());
    const QIcon icon = pngIcon({name.arg(8), name.arg(16), name.arg(32)});
    return icon.isNull() ? QProxyStyle::standardIcon(picture, option, widget) : icon;
}

// The frame of a group box, as the style draws it: its picture stretched around the box, below the title
// where there is one.
void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
    if (!fusion_ || element != PE_FrameGroupBox || !option)
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (!groupBoxFrame_)
        groupBoxFrame_ = readPng(ToolkitPictures + QStringLiteral("fusion_groupbox.png"));
    if (groupBoxFrame_->isNull())
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    constexpr int GroupBoxTopMargin = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int top =
        box && !box->isCheckable() && box->title().isEmpty()
            ? GroupBoxTopMargin
            : qMax(QProxyStyle::pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                  GroupBoxTopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), *groupBoxFrame_);
}

} // namespace vespera
