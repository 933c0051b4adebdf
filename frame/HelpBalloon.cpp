#include "frame/HelpBalloon.h"

#include "dialogs/AssistantProtocol.h"
#include "dialogs/DialogControls.h"
#include "dialogs/Services.h"
#include "frame/HelpTopics.h"
#include "widgets/Background.h"
#include "widgets/LinkLabel.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>

using namespace DialogControls;

namespace {

constexpr QSize kClientSize(246, 343);
const char* const kTopicListTitle = QT_TRANSLATE_NOOP("HelpBalloon", "Seznam témat nápovědy");
constexpr int kLeft = 6;
constexpr int kTextWidth = 233;
constexpr int kLinkHeight = 17;
// The text, the information and the links below them, top to bottom.
constexpr int kTextTop = 24;
constexpr int kTextHeight = 131;
constexpr int kRule1Top = 159;
constexpr int kInformationTitleTop = 164;
constexpr int kInformationTop = 180;
constexpr int kInformationHeight = 65;
constexpr int kRule2Top = 250;
constexpr int kLinksTop = 256;
constexpr int kTopicPitch = 20;
constexpr ColourNumber kInformationColour = 0x0000FF; // red

// The height `label` needs to show its text whole, wrapped to its width.
int wrappedHeight(const QLabel& label)
{
    if (label.text().isEmpty())
        return 0;
    return label.heightForWidth(label.width());
}

} // namespace

HelpBalloon::HelpBalloon(Services& services)
    : BalloonDialog(services.owners, kClientSize, BalloonTail::BottomRight), services_(services)
{
    setObjectName(QStringLiteral("HelpBalloon"));
    setStatusTip(tr("Nápověda programu Pelikor 2000"));

    titleLabel_ = label(this, "titleLabel", tr(kTopicListTitle), {kLeft, 6, kTextWidth, 16}, Bold | Centred);
    textLabel_ = label(this, "textLabel", {}, {kLeft, kTextTop, kTextWidth, kTextHeight}, Centred | Wrapped);
    textRule_ = rule(this, "textRule", {kLeft, kRule1Top}, kTextWidth);
    informationTitle_ =
        label(this, "informationTitle", tr("Informace"), {kLeft, kInformationTitleTop, kTextWidth, 16}, Centred);
    QFont italic = font();
    italic.setItalic(true);
    informationTitle_->setFont(italic);
    QPalette red = informationTitle_->palette();
    red.setColor(QPalette::WindowText, toQColor(kInformationColour));
    informationTitle_->setPalette(red);
    informationLabel_ =
        label(this, "informationLabel", {}, {kLeft, kInformationTop, kTextWidth, kInformationHeight}, Centred | Wrapped);
    rule(this, "linksRule", {kLeft, kRule2Top}, kTextWidth);
    connect(link(this, "topicListLink", tr("Zobrazit seznam témat nápovědy"),
                 tr("Zobrazí úplný seznam témat nápovědy"), {kLeft, kLinksTop, kTextWidth, kLinkHeight}),
            &LinkLabel::clicked, this, &HelpBalloon::showTopicList);
    connect(link(this, "leaveLink", tr("Opustit nápovědu"), tr("Uzavře dialogové okno s nápovědou"),
                 {kLeft, kLinksTop + kLinkHeight + 2, kTextWidth, kLinkHeight}),
            &LinkLabel::clicked, this, &HelpBalloon::leaveHelp);

    // The topic list covers the text and the information; the links below
    // it stay reachable.
    topicList_ = new QWidget(this);
    topicList_->setObjectName(QStringLiteral("topicList"));
    topicList_->setGeometry(kLeft, kTextTop, kTextWidth, kRule2Top - kTextTop);
    setBackground(topicList_, kBalloonColour);
    const auto& topics = helpTopics();
    for (int index = 0; index < int(topics.size()); ++index) {
        const HelpTopic& topic = topics[std::size_t(index)];
        LinkLabel* topicLink =
            link(topicList_, topic.link, topic.title, {}, {0, 8 + kTopicPitch * index, kTextWidth, kLinkHeight});
        connect(topicLink, &LinkLabel::clicked, this, [this, index] { showTopic(index); });
    }
    rule(topicList_, "topicListRule", {0, 8 + kTopicPitch * int(topics.size()) + 4}, kTextWidth);
    topicList_->hide();
}

void HelpBalloon::openOnTopicList()
{
    showTopicList();
    services_.protocol.open(AssistantProtocol::Row::Help, *this);
}

void HelpBalloon::setManualAvailable(bool available)
{
    topicList_->findChild<LinkLabel*>(QStringLiteral("manualTopicLink"))->setEnabled(available);
}

void HelpBalloon::showTopicList()
{
    titleLabel_->setText(tr(kTopicListTitle));
    topicList_->show();
}

void HelpBalloon::showTopic(int index)
{
    const HelpTopic topic = helpTopics().at(std::size_t(index));
    titleLabel_->setText(topic.title);
    textLabel_->setText(topic.text);
    informationLabel_->setText(topic.information);
    placeTopicTexts();
    topicList_->hide();
}

// A text longer than its 131 pixels (lines are 15 pixels high, and the
// font's hinting may wrap a long text into one line more) pushes the rule,
// "Informace" and the information down into the room the information
// leaves free, so that no line is cut through; the links stay in place.
void HelpBalloon::placeTopicTexts()
{
    const int spare = std::max(0, kInformationHeight - wrappedHeight(*informationLabel_));
    const int shift = std::clamp(wrappedHeight(*textLabel_) - kTextHeight, 0, spare);
    textLabel_->resize(kTextWidth, kTextHeight + shift);
    textRule_->move(kLeft, kRule1Top + shift);
    informationTitle_->move(kLeft, kInformationTitleTop + shift);
    informationLabel_->setGeometry(kLeft, kInformationTop + shift, kTextWidth, kInformationHeight - shift);
}

void HelpBalloon::leaveHelp()
{
    close();
}

// Enter does nothing here: only Esc leaves the help.
void HelpBalloon::handleKey(int key)
{
    if (key == kKeyEscape)
        close();
}
