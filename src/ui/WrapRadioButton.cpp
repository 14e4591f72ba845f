#include "ui/WrapRadioButton.h"

#include <QPainter>
#include <QStyleOption>
#include <QStylePainter>

#include <algorithm>

namespace vespera {

namespace {
constexpr int Gap = 4; // between the indicator and the caption
}

QRect WrapRadioButton::textRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    return rect().adjusted(indicator + Gap, 0, 0, 0);
}

QSize WrapRadioButton::sizeHint() const {
    const QRect bounds = fontMetrics().boundingRect(textRect(), Qt::TextWordWrap, text());
    return {width(), std::max(bounds.height(), QRadioButton::sizeHint().height())};
}

// The style draws the indicator and the focus frame; the caption is drawn wrapped beside it.
void WrapRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this);
    option.rect.setHeight(std::max(indicator, fontMetrics().height()));
    painter.drawControl(QStyle::CE_RadioButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect(), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text());
}

bool WrapRadioButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

} // namespace vespera
