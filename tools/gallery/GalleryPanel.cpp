#include "tools/gallery/GalleryPanel.h"

#include "tools/gallery/GallerySamples.h"
#include "widgets/FlatButton.h"
#include "widgets/GradientProgress.h"
#include "widgets/GradientText.h"
#include "widgets/LinkLabel.h"
#include "widgets/PictureButton.h"

#include <QLabel>

namespace {

constexpr QSize kPanelSize(660, 560);
constexpr QSize kButtonSize(64, 20);
constexpr QSize kLabelSize(130, 17);
constexpr QSize kMeterSize(231, 17);
constexpr int kTitlePoints = 28;
constexpr int kSubtitlePoints = 16;
constexpr ColourNumber kTitleBegin = 0x0000FF; // red
constexpr ColourNumber kTitleEnd = 0xFF0000;   // blue

enum class SampleState { Idle, Hot, Pressed, Disabled };

const QString kStateNames[] = {QStringLiteral("Vypnuto"), QStringLiteral("Pod myší"), QStringLiteral("Stisknuto"),
                               QStringLiteral("Nepřístupné")};

} // namespace

GalleryPanel::GalleryPanel(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Pelikor 2000 – ovládací prvky"));
    setFixedSize(kPanelSize);
    setAutoFillBackground(true);
    QPalette balloon = palette();
    balloon.setColor(QPalette::Window, toQColor(GallerySamples::kBalloonColour));
    setPalette(balloon);

    addFlatButtons();
    addLinkLabels();
    addPictureButtons();
    addGradientTexts();
    addMeters();
}

void GalleryPanel::addHeading(const QString& text, int y)
{
    auto* heading = new QLabel(text, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(10, y, 400, 16);
}

void GalleryPanel::addNote(const QString& text, QRect where)
{
    auto* note = new QLabel(text, this);
    note->setGeometry(where);
    note->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void GalleryPanel::addFlatButtons()
{
    addHeading(QStringLiteral("TOfficeButton"), 8);
    for (int i = 0; i < 4; ++i) {
        auto* button = new FlatButton(this);
        button->setGeometry(QRect(QPoint(10 + i * 84, 30), kButtonSize));
        button->setCaption(QStringLiteral("Ok"));
        const auto state = SampleState(i);
        button->setEnabled(state != SampleState::Disabled);
        if (state == SampleState::Hot)
            hotSamples_.append(button);
        if (state == SampleState::Pressed)
            pressedSamples_.append(button);
        addNote(kStateNames[i], QRect(i * 84, 52, 84, 16));
    }
    auto* filled = new FlatButton(this);
    filled->move(350, 27);
    filled->setTransparent(false);
    filled->setCaption(QStringLiteral("Zpět"));
    hotSamples_.append(filled);
    addNote(QStringLiteral("ButtonColor, 100 × 25"), QRect(330, 52, 140, 16));
}

void GalleryPanel::addLinkLabels()
{
    addHeading(QStringLiteral("TOfficeLabel"), 76);
    const LinkLamp types[] = {LinkLamp::Round, LinkLamp::TriangleDown, LinkLamp::TriangleUp};
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 4; ++row) {
            auto* label = new LinkLabel(this);
            label->setGeometry(QRect(QPoint(10 + column * 200, 98 + row * 22), kLabelSize));
            label->setLampShape(types[column]);
            label->setCaption(kStateNames[row]);
            const auto state = SampleState(row);
            label->setEnabled(state != SampleState::Disabled);
            if (state == SampleState::Hot)
                hotSamples_.append(label);
            if (state == SampleState::Pressed)
                pressedSamples_.append(label);
        }
    auto* filled = new LinkLabel(this);
    filled->setGeometry(QRect(QPoint(10, 188), QSize(330, 30)));
    filled->setTransparent(false);
    filled->setCaption(QStringLiteral("Neprůhledný štítek s dlouhým textem, který se zalomí do dalšího řádku"));
}

void GalleryPanel::addPictureButtons()
{
    addHeading(QStringLiteral("TTransparentButton2"), 226);
    const PictureList pictures{GallerySamples::boardPicture()};
    const QString states[] = {QStringLiteral("šedé"), QStringLiteral("pod myší"), QStringLiteral("stisknuté"),
                              QStringLiteral("zakázané"), QStringLiteral("Down")};
    for (int i = 0; i < 5; ++i) {
        auto* button = new PictureButton(this);
        button->move(12 + i * 66, 246);
        button->setActiveImage(pictures);
        button->setActiveIndex(0);
        if (i == 1)
            hotSamples_.append(button);
        if (i == 2)
            pressedSamples_.append(button);
        button->setEnabled(i != 3);
        button->setDown(i == 4);
        addNote(states[i], QRect(i * 66, 288, 66, 16));
    }
    const std::pair<FrameStyle, QString> frames[] = {
        {FrameStyle::Regular, QStringLiteral("Regular")}, {FrameStyle::Indent, QStringLiteral("Indent")},
        {FrameStyle::Light, QStringLiteral("Light")},     {FrameStyle::Dark, QStringLiteral("Dark")},
        {FrameStyle::Mono, QStringLiteral("Mono")},       {FrameStyle::None, QStringLiteral("None")},
    };
    for (int i = 0; i < 6; ++i) {
        auto* button = new PictureButton(this);
        button->move(364 + i * 48, 246);
        button->setFrameStyle(frames[i].first);
        button->setActiveImage(pictures);
        button->setActiveIndex(0);
        addNote(frames[i].second, QRect(360 + i * 48, 288, 48, 16));
    }
}

void GalleryPanel::addGradientTexts()
{
    addHeading(QStringLiteral("TGradText"), 312);
    const std::pair<QString, int> titles[] = {{QStringLiteral("Pelikor 2000"), kTitlePoints},
                                              {QStringLiteral("verze 5.0"), kSubtitlePoints}};
    int x = 10;
    for (const auto& [text, points] : titles) {
        auto* title = new GradientText(this);
        title->move(x, 330);
        QFont font = title->font();
        font.setPointSize(points);
        title->setFont(font);
        title->setGradientStyle(GradientStyle::Horizontal);
        title->setBeginColor(kTitleBegin);
        title->setEndColor(kTitleEnd);
        // Wide enough first, so the measure keeps the title on one line.
        title->resize(kPanelSize.width(), title->height());
        title->setLines({text});
        title->resize(title->measuredSize());
        x += title->width() + 30;
    }
    const std::pair<GradientStyle, QString> styles[] = {
        {GradientStyle::Horizontal, QStringLiteral("gsHorizontal")},
        {GradientStyle::Vertical, QStringLiteral("gsVertical")},
        {GradientStyle::Rectangle, QStringLiteral("gsRectangle")},
        {GradientStyle::VerticalCentre, QStringLiteral("gsVertCenter")},
        {GradientStyle::HorizontalCentre, QStringLiteral("gsHorizCenter")},
    };
    for (int i = 0; i < 5; ++i) {
        auto* sample = new GradientText(this);
        sample->move(10 + i * 128, 380);
        sample->setGradientStyle(styles[i].first);
        sample->resize(sample->measuredSize());
        addNote(styles[i].second, QRect(i * 128, 412, 128, 16));
    }
}

void GalleryPanel::addMeters()
{
    addHeading(QStringLiteral("TGradProgress"), 436);
    const std::pair<int, QString> positions[] = {{0, QStringLiteral("0")},
                                                 {40, QStringLiteral("40")},
                                                 {100, QStringLiteral("100")},
                                                 {150, QStringLiteral("150 → 100")}};
    for (int i = 0; i < 4; ++i) {
        auto* meter = new GradientProgress(this);
        meter->setGeometry(QRect(QPoint(10 + (i / 2) * 300, 458 + (i % 2) * 44), kMeterSize));
        meter->setBevelStyle(BevelStyle::None);
        meter->setShowPercent(false);
        meter->setPosition(positions[i].first);
        addNote(positions[i].second, QRect(10 + (i / 2) * 300, 478 + (i % 2) * 44, 231, 16));
    }
    auto* percent = new GradientProgress(this);
    percent->setGeometry(10, 538, 531, 17);
    percent->setBevelWidth(2);
    percent->setStartColor(0xFF0000);
    percent->setEndColor(0x00FF00);
    percent->setPosition(65);
    auto* vertical = new GradientProgress(this);
    vertical->setGeometry(600, 440, 24, 110);
    vertical->setStyle(GradientStyle::Vertical);
    vertical->setBevelStyle(BevelStyle::Raised);
    vertical->setShowPercent(false);
    vertical->setPosition(70);
}

void GalleryPanel::showStates()
{
    for (QWidget* sample : hotSamples_)
        GallerySamples::makeHot(sample);
    for (QWidget* sample : pressedSamples_)
        GallerySamples::makePressed(sample);
}
