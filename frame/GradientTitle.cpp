#include "frame/GradientTitle.h"

#include <QCoreApplication>
#include <QFont>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr ColourNumber kRed = 0x0000FF;
constexpr ColourNumber kBlue = 0xFF0000;

GradientLetters titleLetters(const QString& text, int pixels)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(true);
    // Measured on one line: the text wraps only where the control is narrower.
    return {{text}, font, kRed, kBlue, GradientStyle::Horizontal, Justification::Centre, QWIDGETSIZE_MAX};
}

// A title's letters painted beforehand, and the size they measured.
struct PreparedTitle {
    QString text;
    int pixels;
    qreal dpr;
    QSize measured;
    QImage picture;
};

// The titles painted beforehand, and the one being painted: a window that
// asks for that one waits for it rather than painting it a second time.
struct Prepared {
    std::mutex lock;
    std::condition_variable painted;
    std::vector<PreparedTitle> titles;
    std::optional<PreparedTitle> painting;
};

Prepared& prepared()
{
    static Prepared store;
    return store;
}

bool isTitle(const PreparedTitle& title, const QString& text, int pixels, qreal dpr)
{
    return title.text == text && title.pixels == pixels && title.dpr == dpr;
}

std::optional<PreparedTitle> takePrepared(const QString& text, int pixels, qreal dpr)
{
    Prepared& store = prepared();
    std::unique_lock guard(store.lock);
    store.painted.wait(guard, [&] { return !store.painting || !isTitle(*store.painting, text, pixels, dpr); });
    for (auto title = store.titles.begin(); title != store.titles.end(); ++title) {
        if (isTitle(*title, text, pixels, dpr)) {
            PreparedTitle taken = std::move(*title);
            store.titles.erase(title);
            return taken;
        }
    }
    return std::nullopt;
}

} // namespace

namespace GradientTitle {

QString version()
{
    return QCoreApplication::translate("GradientTitle", "verze 5.0");
}

} // namespace GradientTitle

namespace GradientTitle {

void prepare(const QString& text, int pixels, qreal dpr)
{
    Prepared& store = prepared();
    {
        const std::lock_guard guard(store.lock);
        store.painting = PreparedTitle{text, pixels, dpr, {}, {}};
    }
    const GradientLetters letters = titleLetters(text, pixels);
    const QSize measured = letters.measuredSize();
    PreparedTitle title{text, pixels, dpr, measured, letters.render(measured, dpr)};
    {
        const std::lock_guard guard(store.lock);
        store.titles.push_back(std::move(title));
        store.painting.reset();
    }
    store.painted.notify_all();
}

} // namespace GradientTitle

GradientText* makeGradientTitle(QWidget* parent, const QString& name, const QString& text, int pixels)
{
    auto* title = new GradientText(parent);
    title->setObjectName(name);
    const GradientLetters letters = titleLetters(text, pixels);
    title->setLines(letters.lines);
    title->setBeginColor(letters.beginColor);
    title->setEndColor(letters.endColor);
    title->setGradientStyle(letters.style);
    title->setFont(letters.font);
    title->resize(letters.width, title->height());
    if (std::optional<PreparedTitle> ready = takePrepared(text, pixels, title->devicePixelRatioF())) {
        title->resize(ready->measured);
        title->adoptPicture(ready->measured, ready->picture);
        return title;
    }
    title->resize(title->measuredSize());
    return title;
}
