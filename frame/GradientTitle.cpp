#include "frame/GradientTitle.h"

#include <QFont>

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

std::mutex& preparedLock()
{
    static std::mutex lock;
    return lock;
}

std::vector<PreparedTitle>& prepared()
{
    static std::vector<PreparedTitle> titles;
    return titles;
}

std::optional<PreparedTitle> takePrepared(const QString& text, int pixels, qreal dpr)
{
    const std::lock_guard guard(preparedLock());
    auto& titles = prepared();
    for (auto title = titles.begin(); title != titles.end(); ++title) {
        if (title->text == text && title->pixels == pixels && title->dpr == dpr) {
            PreparedTitle taken = std::move(*title);
            titles.erase(title);
            return taken;
        }
    }
    return std::nullopt;
}

} // namespace

namespace GradientTitle {

void prepare(const QString& text, int pixels, qreal dpr)
{
    const GradientLetters letters = titleLetters(text, pixels);
    const QSize measured = letters.measuredSize();
    PreparedTitle title{text, pixels, dpr, measured, letters.render(measured, dpr)};
    const std::lock_guard guard(preparedLock());
    prepared().push_back(std::move(title));
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
