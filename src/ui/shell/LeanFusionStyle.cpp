#include "ui/shell/LeanFusionStyle.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

#include "ui/shell/ProgramIcon.h"

namespace lumarik {

LeanFusionStyle::LeanFusionStyle()
    : QProxyStyle(QStringLiteral("fusion")),
      m_groupFrame(QPixmap::fromImage(ReadPng(
          QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png")))) {}

void LeanFusionStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || m_groupFrame.isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion's geometry: below the title or check box, a few pixels from the top without them.
    constexpr int kTopMargin = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    int top = kTopMargin;
    if (!box || box->isCheckable() || !box->title().isEmpty()) {
        top += std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    }
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                      m_groupFrame);
}

void UseLeanFusionStyle() {
    if (QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0) {
        QApplication::setStyle(new LeanFusionStyle);
    }
}

}  // namespace lumarik
