#include "sound/MultimediaCuePlayer.h"

#include <QAudioDevice>
#include <QDir>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

// A machine without sound, or a cue that cannot be played, is no error for
// the cues, but Qt Multimedia says so on the console: in its own logging
// categories, and uncategorised from its PulseAudio client.
constexpr QLatin1StringView kMultimediaCategories("qt.multimedia");
constexpr QLatin1StringView kPulseAudioMessages("PulseAudio");

QLoggingCategory::CategoryFilter previousFilter = nullptr;
QtMessageHandler previousHandler = nullptr;

void silenceMultimediaCategories(QLoggingCategory* category)
{
    // Qt runs the new filter over every category before installFilter has
    // returned the previous one, so it may not be known yet.
    if (previousFilter)
        previousFilter(category);
    if (QLatin1StringView(category->categoryName()).startsWith(kMultimediaCategories)) {
        category->setEnabled(QtWarningMsg, false);
        category->setEnabled(QtCriticalMsg, false);
    }
}

// Dropped only while the player calls into Qt Multimedia.
void dropPulseAudioMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(kPulseAudioMessages) || !previousHandler)
        return;
    previousHandler(type, context, message);
}

class QuietMultimedia {
public:
    QuietMultimedia() { previousHandler = qInstallMessageHandler(dropPulseAudioMessages); }
    ~QuietMultimedia() { qInstallMessageHandler(previousHandler); }
    QuietMultimedia(const QuietMultimedia&) = delete;
    QuietMultimedia& operator=(const QuietMultimedia&) = delete;
};

} // namespace

MultimediaCuePlayer::MultimediaCuePlayer()
{
    if (!previousFilter)
        previousFilter = QLoggingCategory::installFilter(silenceMultimediaCategories);
}

MultimediaCuePlayer::~MultimediaCuePlayer() = default;

void MultimediaCuePlayer::play(const QString& fileName)
{
    // The sound loads after this call returns, when the current directory
    // is no longer the sounds folder, so the name is resolved now.
    const QUrl source = QUrl::fromLocalFile(QDir::current().absoluteFilePath(fileName));
    const QuietMultimedia quiet;
    // Dropping the effect still playing stops it.
    effect_.reset();
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(source);
    effect_->play();
}
