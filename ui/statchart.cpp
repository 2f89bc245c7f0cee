#include "statchart.h"

#include "errorbox.h"
#include "qtchartfx.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QToolButton>

TStatDlg* StatDlg = nullptr;

// The library is static: its pictures are registered on first use. (Outside any namespace,
// as the resource's initialiser is declared there.)
static void InitStatChartResources() {
    Q_INIT_RESOURCE(statchart);
}

namespace {

// Gaps of the chart on paper and on screen (thousandths of the chart's height).
constexpr std::int16_t kPrintGap = 200;
constexpr std::int16_t kScreenGap = 40;

// Places in the client area of kClientSize (left, top, width, height).
constexpr QRect kChartPlace(16, 24, 609, 329);
constexpr QRect kPrintPlace(488, 360, 25, 25);
constexpr QRect kOKPlace(528, 360, 73, 25);

QPixmap Picture(const QString& resource, const QSize& size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(resource);
    QPainter painter(&pixmap);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

// A picture of two images: the first while the button is enabled, the second when not.
QIcon TwoImages(const QString& enabled, const QString& disabled, const QSize& size, qreal ratio) {
    QIcon icon;
    icon.addPixmap(Picture(enabled, size, ratio), QIcon::Normal);
    icon.addPixmap(Picture(disabled, size, ratio), QIcon::Disabled);
    return icon;
}

} // namespace

TStatDlg::TStatDlg(QWidget* parent)
    : QWidget(parent, Qt::Window), StatChart(new QtChartfx(this)), PrintBtn(new QToolButton(this)),
      OKBtn(new QPushButton(QStringLiteral("OK"), this)) {
    InitStatChartResources();
    setObjectName(QStringLiteral("StatDlg"));
    setWindowTitle(QStringLiteral("StatDlg"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setMinimumSize(kClientSize);
    resize(kClientSize);
    const qreal ratio = devicePixelRatioF();

    StatChart->setObjectName(QStringLiteral("StatChart"));
    StatChart->setGeometry(kChartPlace);

    PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
    PrintBtn->setGeometry(kPrintPlace);
    PrintBtn->setAutoRaise(true);
    PrintBtn->setFocusPolicy(Qt::NoFocus);
    PrintBtn->setIcon(TwoImages(QStringLiteral(":/statchart/statchart-print.svg"),
                                QStringLiteral(":/statchart/statchart-print-disabled.svg"),
                                QSize(16, 16), ratio));
    PrintBtn->setIconSize(QSize(16, 16));
    PrintBtn->setToolTip(QStringLiteral("Diagramm drucken"));

    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(kOKPlace);
    OKBtn->setIcon(TwoImages(QStringLiteral(":/statchart/statchart-ok.svg"),
                             QStringLiteral(":/statchart/statchart-ok-disabled.svg"), QSize(18, 18),
                             ratio));
    OKBtn->setIconSize(QSize(18, 18));
    // Neither Enter nor Escape presses it.
    OKBtn->setAutoDefault(false);
    OKBtn->setDefault(false);

    setTabOrder(StatChart, OKBtn);
    // An exception of a handler goes into the error box, never through the toolkit's code.
    connect(PrintBtn, &QToolButton::clicked, this, Guarded(this, [this] { PrintBtnClick(); }));
    connect(OKBtn, &QPushButton::clicked, this, Guarded(this, [this] { OKBtnClick(); }));
}

void TStatDlg::ShowChart() {
    if (!isVisible()) {
        if (!placed_) {
            placed_ = true;
            QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
            if (!screen)
                screen = QGuiApplication::primaryScreen();
            if (screen) {
                QRect frame = frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                move(frame.topLeft());
            }
        }
        show();
    }
    // A minimised window is brought back, not only raised behind its icon.
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TStatDlg::PrintBtnClick() {
    const auto gaps = [this](std::int16_t gap) {
        StatChart->SetBottomGap(gap);
        StatChart->SetTopGap(gap);
    };
    gaps(kPrintGap);
    // A failed print must not leave the paper's margins on the screen for every later chart.
    try {
        StatChart->PrintChart();
    } catch (...) {
        gaps(kScreenGap);
        throw;
    }
    gaps(kScreenGap);
}

void TStatDlg::OKBtnClick() {
    close();
}

void TStatDlg::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The chart takes what the window gained; the buttons keep their distance to the bottom
    // right corner.
    const QSize grown = (size() - kClientSize).expandedTo(QSize(0, 0));
    StatChart->setGeometry(kChartPlace.adjusted(0, 0, grown.width(), grown.height()));
    PrintBtn->setGeometry(kPrintPlace.translated(grown.width(), grown.height()));
    OKBtn->setGeometry(kOKPlace.translated(grown.width(), grown.height()));
}
