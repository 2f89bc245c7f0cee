#include "chartfx3/qtchartfx.h"

#include "chartfx3/chartprinting.h"
#include "chartfx3/paint/chartdrawing.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPrinter>
#include <QToolTip>

QtChartfx::QtChartfx(QWidget* parent)
    : QWidget(parent), drawing_(std::make_unique<ChartDrawing>(shown())) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    // The chart window is used beside the main window: its values show on hover even while
    // the main window has the focus.
    setAttribute(Qt::WA_AlwaysShowToolTips);
}

QtChartfx::~QtChartfx() = default;

std::int32_t QtChartfx::PrintChart() {
    if (printer_) {
        PrintChartPage(shown(), *printer_);
    } else {
        const std::unique_ptr<QPrinter> printer = CurrentPrinter();
        PrintChartPage(shown(), *printer);
    }
    return 1;
}

QImage QtChartfx::renderImage(const QSize& size) const {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawing_->paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QString QtChartfx::toolTipAt(const QPoint& pos) const {
    return drawing_->toolTip(QSizeF(size()), QPointF(pos));
}

bool QtChartfx::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

void QtChartfx::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    drawing_->paint(painter, QRectF(rect()));
}

void QtChartfx::OnShownChanged() {
    drawing_ = std::make_unique<ChartDrawing>(shown());
    update();
}
