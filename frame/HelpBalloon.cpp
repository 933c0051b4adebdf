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
const QString kTopicListTitle = QStringLiteral("Seznam témat nápovědy");
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
    setObjectName(QStringLiteral("TNapovedaDialog"));
    setStatusTip(QStringLiteral("Nápověda programu Pelikor 2000"));

    Label1 = label(this, "Label1", kTopicListTitle, {kLeft, 6, kTextWidth, 16}, Bold | Centred);
    Label2 = label(this, "Label2", {}, {kLeft, kTextTop, kTextWidth, kTextHeight}, Centred | Wrapped);
    Bevel1 = rule(this, "Bevel1", {kLeft, kRule1Top}, kTextWidth);
    Label4 = label(this, "Label4", QStringLiteral("Informace"), {kLeft, kInformationTitleTop, kTextWidth, 16}, Centred);
    QFont italic = font();
    italic.setItalic(true);
    Label4->setFont(italic);
    QPalette red = Label4->palette();
    red.setColor(QPalette::WindowText, toQColor(kInformationColour));
    Label4->setPalette(red);
    Label3 = label(this, "Label3", {}, {kLeft, kInformationTop, kTextWidth, kInformationHeight}, Centred | Wrapped);
    rule(this, "Bevel2", {kLeft, kRule2Top}, kTextWidth);
    connect(link(this, "OfficeLabel1", QStringLiteral("Zobrazit seznam témat nápovědy"),
                 QStringLiteral("Zobrazí úplný seznam témat nápovědy"), {kLeft, kLinksTop, kTextWidth, kLinkHeight}),
            &LinkLabel::clicked, this, &HelpBalloon::OfficeLabel1Click);
    connect(link(this, "OfficeLabel2", QStringLiteral("Opustit nápovědu"), QStringLiteral("Uzavře dialogové okno s nápovědou"),
                 {kLeft, kLinksTop + kLinkHeight + 2, kTextWidth, kLinkHeight}),
            &LinkLabel::clicked, this, &HelpBalloon::OfficeLabel2Click);

    // The topic list covers the text and the information; the links below
    // it stay reachable.
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(kLeft, kTextTop, kTextWidth, kRule2Top - kTextTop);
    setBackground(Panel1, kBalloonColour);
    const auto& topics = helpTopics();
    for (int index = 0; index < int(topics.size()); ++index) {
        const HelpTopic& topic = topics[std::size_t(index)];
        LinkLabel* topicLink = link(Panel1, topic.link, topic.title, {}, {0, 8 + kTopicPitch * index, kTextWidth, kLinkHeight});
        connect(topicLink, &LinkLabel::clicked, this, [this, index] { showTopic(index); });
    }
    rule(Panel1, "Bevel3", {0, 8 + kTopicPitch * int(topics.size()) + 4}, kTextWidth);
    Panel1->hide();
}

void HelpBalloon::openOnTopicList()
{
    showTopicList();
    services_.protocol.open(AssistantProtocol::Row::Help, *this);
}

void HelpBalloon::setManualAvailable(bool available)
{
    Panel1->findChild<LinkLabel*>(QStringLiteral("OfficeLabel9"))->setEnabled(available);
}

void HelpBalloon::showTopicList()
{
    Label1->setText(kTopicListTitle);
    Panel1->show();
}

void HelpBalloon::showTopic(int index)
{
    const HelpTopic& topic = helpTopics().at(std::size_t(index));
    Label1->setText(topic.title);
    Label2->setText(topic.text);
    Label3->setText(topic.information);
    placeTopicTexts();
    Panel1->hide();
}

// A text longer than its 131 pixels (lines are 15 pixels high, and the
// font's hinting may wrap a long text into one line more) pushes the rule,
// "Informace" and the information down into the room the information
// leaves free, so that no line is cut through; the links stay in place.
void HelpBalloon::placeTopicTexts()
{
    const int spare = std::max(0, kInformationHeight - wrappedHeight(*Label3));
    const int shift = std::clamp(wrappedHeight(*Label2) - kTextHeight, 0, spare);
    Label2->resize(kTextWidth, kTextHeight + shift);
    Bevel1->move(kLeft, kRule1Top + shift);
    Label4->move(kLeft, kInformationTitleTop + shift);
    Label3->setGeometry(kLeft, kInformationTop + shift, kTextWidth, kInformationHeight - shift);
}

void HelpBalloon::OfficeLabel1Click()
{
    showTopicList();
}

void HelpBalloon::OfficeLabel2Click()
{
    close();
}

// Enter does nothing here: only Esc leaves the help.
void HelpBalloon::handleKey(int key)
{
    if (key == kKeyEscape)
        close();
}
