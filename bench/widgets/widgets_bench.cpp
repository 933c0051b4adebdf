// Painting each widget once at the size the program uses it, rendering one
// 40 x 40 peg and the title (also for a screen of ratio 2), and building a
// balloon's region and outline.
#include "tests/support/OffscreenBenchmarks.h"
#include "widgets/BalloonShape.h"
#include "widgets/FlatButton.h"
#include "widgets/GradientProgress.h"
#include "widgets/GradientText.h"
#include "widgets/HemisphereButton.h"
#include "widgets/HemisphereImages.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

constexpr int kTitleHeight = 37;

void makeHot(QWidget& control)
{
    const QPointF at(1, 1);
    QEnterEvent enter(at, at, at);
    QCoreApplication::sendEvent(&control, &enter);
}

// Paints the control into an image of its size, as one paint on screen.
void paintOnce(benchmark::State& state, QWidget& control)
{
    QImage target(control.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        control.render(&target, QPoint(), QRegion(), QWidget::DrawChildren);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetLabel(QStringLiteral("%1 x %2").arg(control.width()).arg(control.height()).toStdString());
}

// The main window's title "Pelikor 2000" at the height it has there.
void makeTitle(GradientText& title)
{
    title.resize(600, 40);
    title.setGradientStyle(GradientStyle::Horizontal);
    title.setBeginColor(0x0000FF);
    title.setEndColor(0xFF0000);
    title.setLines({QStringLiteral("Pelikor 2000")});
    QFont font = title.font();
    for (int pixels = 20; pixels < 40 && title.measuredSize().height() < kTitleHeight; ++pixels) {
        font.setPixelSize(pixels);
        title.setFont(font);
    }
    title.resize(title.measuredSize());
}

QImage boardPicture()
{
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setBrush(QColor(200, 140, 60));
    painter.drawRoundedRect(QRect(1, 1, 29, 29), 5, 5);
    return picture;
}

} // namespace

static void BM_FlatButton(benchmark::State& state)
{
    FlatButton button;
    button.resize(64, 20);
    button.setCaption(QStringLiteral("Ok"));
    if (state.range(0))
        makeHot(button);
    paintOnce(state, button);
}
BENCHMARK(BM_FlatButton)->ArgName("hot")->Arg(0)->Arg(1);

static void BM_LinkLabel(benchmark::State& state)
{
    LinkLabel label;
    label.resize(130, 17);
    label.setCaption(QStringLiteral("Standardní hra"));
    if (state.range(0))
        makeHot(label);
    paintOnce(state, label);
}
BENCHMARK(BM_LinkLabel)->ArgName("hot")->Arg(0)->Arg(1);

static void BM_PictureButton(benchmark::State& state)
{
    PictureButton button;
    button.setActiveImage({boardPicture()});
    button.setActiveIndex(0);
    if (state.range(0))
        makeHot(button);
    paintOnce(state, button);
}
BENCHMARK(BM_PictureButton)->ArgName("hot")->Arg(0)->Arg(1);

static void BM_GradientTextTitle(benchmark::State& state)
{
    GradientText title;
    makeTitle(title);
    paintOnce(state, title);
}
BENCHMARK(BM_GradientTextTitle);

// The title's picture alone, for a screen of ratio 1 and of ratio 2.
static void BM_GradientTextTitleAtRatio(benchmark::State& state)
{
    GradientText title;
    makeTitle(title);
    for (auto _ : state)
        benchmark::DoNotOptimize(title.renderText(qreal(state.range(0))).constBits());
}
BENCHMARK(BM_GradientTextTitleAtRatio)->ArgName("dpr")->Arg(1)->Arg(2);

static void BM_GradientProgress(benchmark::State& state)
{
    GradientProgress meter;
    meter.resize(231, 17);
    meter.setBevelStyle(BevelStyle::None);
    meter.setShowPercent(false);
    meter.setStartColor(0xFFFFFF);
    meter.setEndColor(0x0000FF);
    meter.setBackColor(0x000000);
    meter.setPosition(int(state.range(0)));
    paintOnce(state, meter);
}
BENCHMARK(BM_GradientProgress)->ArgName("position")->Arg(50)->Arg(100);

// A peg's up and down images and mask.
static void BM_RenderPeg(benchmark::State& state)
{
    HemisphereButton button;
    button.resize(40, 40);
    ColourNumber colours[2] = {8421631, 16744703};
    int i = 0;
    for (auto _ : state) {
        // A change of face colour is what a selection costs a peg.
        button.setFaceColor(colours[i ^= 1]);
        benchmark::DoNotOptimize(button.upImage().constBits());
    }
}
BENCHMARK(BM_RenderPeg);

// A 40 x 40 peg's pictures for a screen of ratio 1 and of ratio 2.
static void BM_RenderPegAtRatio(benchmark::State& state)
{
    HemisphereLook look;
    look.faceColor = 8421631;
    const QFont font;
    for (auto _ : state) {
        const HemisphereImages images = HemisphereImages::render(look, QSize(40, 40), font, Qt::black, qreal(state.range(0)));
        benchmark::DoNotOptimize(images.upPaint.constBits());
    }
}
BENCHMARK(BM_RenderPegAtRatio)->ArgName("dpr")->Arg(1)->Arg(2);

static void BM_BalloonRegion(benchmark::State& state)
{
    for (auto _ : state) {
        const QRegion region = BalloonShape(BalloonTail::BottomRight, 412, 140, 20, 15).region();
        benchmark::DoNotOptimize(region.rectCount());
    }
}
BENCHMARK(BM_BalloonRegion);

static void BM_BalloonOutline(benchmark::State& state)
{
    const QRegion region = BalloonShape(BalloonTail::BottomRight, 412, 140, 20, 15).region();
    for (auto _ : state) {
        const QRegion outline = BalloonShape::outline(region);
        benchmark::DoNotOptimize(outline.rectCount());
    }
}
BENCHMARK(BM_BalloonOutline);

int main(int argc, char** argv)
{
    return runOffscreenBenchmarks(argc, argv);
}
