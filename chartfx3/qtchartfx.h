// QtChartfx: the chart control on screen, a widget that shows and prints the published chart.
#pragma once

#include "chartfx3/modelchartfx.h"

#include <QImage>
#include <QSize>
#include <QWidget>

#include <memory>

class ChartDrawing;
class QPrinter;

// Draws shown() whenever it changes (see ChartDrawing) and names the bar or slice under the
// mouse in a tooltip. TopGap and BottomGap are thousandths of the chart's height.
class QtChartfx : public QWidget, public ModelChartfx {
    Q_OBJECT

public:
    explicit QtChartfx(QWidget* parent = nullptr);
    ~QtChartfx() override;

    // Prints shown() on one landscape page, vector output, with the gaps in force now. The
    // printer is the one set with setPrinter, else the system's current printer. Throws
    // std::runtime_error with a German text when there is no printer ("Kein Drucker
    // installiert.") or the print job cannot be started. Returns 1.
    std::int32_t PrintChart() override;

    // The printer PrintChart uses from now on; null (the default) means the system's current
    // printer. Not owned: it must outlive its use here.
    void setPrinter(QPrinter* printer) { printer_ = printer; }
    QPrinter* printer() const { return printer_; }

    // shown() as the widget draws it, at any size (96 dpi).
    QImage renderImage(const QSize& size) const;
    // The tooltip the widget shows at `pos`, empty where there is no bar or slice.
    QString toolTipAt(const QPoint& pos) const;

    QSize sizeHint() const override { return {609, 329}; }
    QSize minimumSizeHint() const override { return {200, 120}; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void OnShownChanged() override;

private:
    std::unique_ptr<ChartDrawing> drawing_; // shown(), ready to paint
    QPrinter* printer_ = nullptr;
};
