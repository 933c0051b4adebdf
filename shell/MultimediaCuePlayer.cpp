#include "MultimediaCuePlayer.h"

#include <QAudioDevice>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

QtMessageHandler previousHandler = nullptr;

// A machine without sound is no error for the cues, but Qt Multimedia says
// so on the console: partly in its own categories, partly (the PulseAudio
// client) uncategorised. Only those messages are dropped, and only while
// this player is calling into Qt Multimedia.
void dropMultimediaMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const QLatin1StringView category(context.category ? context.category : "");
    if (category.startsWith(QLatin1StringView("qt.multimedia")) || message.startsWith(QLatin1StringView("PulseAudio")))
        return;
    previousHandler(type, context, message);
}

class QuietMultimedia {
public:
    QuietMultimedia() { previousHandler = qInstallMessageHandler(dropMultimediaMessages); }
    ~QuietMultimedia() { qInstallMessageHandler(previousHandler); }
    QuietMultimedia(const QuietMultimedia&) = delete;
    QuietMultimedia& operator=(const QuietMultimedia&) = delete;
};

} // namespace

MultimediaCuePlayer::MultimediaCuePlayer() = default;

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
