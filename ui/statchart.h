// TStatDlg: the chart window, which shows the chart drawn last and prints it.
#pragma once

#include <QSize>
#include <QWidget>

class QPushButton;
class QToolButton;
class QtChartfx;

// Modeless; closing it (OK or the close box) only hides it. The chart handlers show it with
// ShowChart and then draw into StatChart.
class TStatDlg : public QWidget {
    Q_OBJECT

public:
    // The client area in which the controls sit at their places: an outer size of 640 x 428
    // with the usual window frame. The window may grow; the chart grows with it.
    static constexpr QSize kClientSize{632, 401};

    explicit TStatDlg(QWidget* parent = nullptr);

    // The controls, created with the window and owned by it.
    QtChartfx* const StatChart;
    QToolButton* const PrintBtn;
    QPushButton* const OKBtn;

    // Shows the window without waiting; centred on the screen the first time, brought to the
    // front (and back from its icon) when it is already visible.
    void ShowChart();

    // Prints the chart shown with gaps of 200, then sets them back to 40, also when printing
    // throws (the exception then leaves the handler for the error box).
    void PrintBtnClick();
    // Hides the window; the chart stays in StatChart until the next one replaces it.
    void OKBtnClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool placed_ = false; // centred once, when first shown
};

// The one chart window, created once at start-up after the main window.
extern TStatDlg* StatDlg;
