// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window and where they go: built once, when the window is created.

#include "app/Globals.h"
#include "app/MainLayout.h"
#include "app/MainWindow.h"
#include "core/ColourScheme.h"
#include "core/FolderFile.h"
#include "keyboard/PictureBuilder.h"
#include "widgets/ClickableLabel.h"
#include "widgets/ProgramPictures.h"
#include "widgets/SchemePicture.h"
#include "widgets/TextColour.h"
#include "widgets/TranslatedText.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QTimer>

namespace kf {

namespace {

// The client area under the menu bar; the window is as tall as the menu bar makes it.
constexpr QSize kClientSize{800, 600};
constexpr QSize kShippedPictureSize{587, 283};
constexpr QPoint kLogoPlace{42, 12};
constexpr QSize kLogoSize{499, 233};
constexpr QRect kHintPlace{671, 28, 28, 22};
constexpr QPoint kUserLinePlace{538, 245};
constexpr const char* kContext = "MainWindow";
constexpr int kBlinkMs = 400;

// 0x00BBGGRR 0x006B3D74 and 0x00A97ECF.
constexpr QRgb kLinkColour = qRgb(116, 61, 107);
constexpr QRgb kLinkHoverColour = qRgb(207, 126, 169);

struct LinkText {
    QStringView objectName;
    const char* caption;
    QPoint place;
};
// In UserLink order.
constexpr std::array<LinkText, MainWindow::kUserLinkCount> kLinks = {{
    {u"LabelNewUser", QT_TRANSLATE_NOOP("MainWindow", "New User"), {538, 21}},
    {u"LabelSelectUser", QT_TRANSLATE_NOOP("MainWindow", "Select User"), {555, 68}},
    {u"LabelLastLesson", QT_TRANSLATE_NOOP("MainWindow", "Next Lesson"), {568, 113}},
    {u"LabelYourStats", QT_TRANSLATE_NOOP("MainWindow", "Your Stats"), {566, 156}},
    {u"LabelPreferences", QT_TRANSLATE_NOOP("MainWindow", "Preferences"), {545, 200}},
}};

QImage readPicture(const WorkingFolder& folder, const QString& name) {
    if (!folder.exists(name))
        return {};
    return folderFile::readPicture(folder.filePath(name));
}

QFrame* makePanel(const QString& name, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::NoFrame);
    return panel;
}

QLabel* makeImage(const QString& name, QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    return image;
}

SchemePicture* makeSchemePicture(const QString& name, SchemePicture::Kind kind, QWidget* parent) {
    auto* picture = new SchemePicture(kind, parent);
    picture->setObjectName(name);
    return picture;
}

} // namespace

void MainWindow::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);

    m_title = makePanel(QStringLiteral("PanelMainTitle"), client);
    m_titlePicture =
        makeSchemePicture(QStringLiteral("Image2"), SchemePicture::Kind::Frame, m_title);
    m_logo = makeImage(QStringLiteral("ImageLogo"), m_title);
    m_logo->setGeometry(QRect(kLogoPlace, kLogoSize));
    if (const QImage logo = readPicture(m_globals.folder, QString::fromLatin1(kLogoPicture));
        !logo.isNull())
        m_logo->setPixmap(QPixmap::fromImage(logo));
    m_hint = makeImage(QStringLiteral("Image7"), m_title);
    m_hint->setGeometry(kHintPlace);
    if (const QImage hint = readPicture(m_globals.folder, QString::fromLatin1(kHintPicture));
        !hint.isNull())
        m_hint->setPixmap(QPixmap::fromImage(hint));
    m_hint->hide();

    QFont linkFont(QStringLiteral("Arial"));
    linkFont.setPixelSize(24);
    for (std::size_t i = 0; i < kLinks.size(); ++i) {
        auto* link = new ClickableLabel(QString(), m_title);
        link->setObjectName(kLinks[i].objectName.toString());
        setUiText(link, kContext, kLinks[i].caption);
        link->setFont(linkFont);
        setTextColour(link, QColor(kLinkColour), WhenDisabled::GreysOut);
        link->adjustSize();
        link->move(kLinks[i].place);
        connect(link, &ClickableLabel::hovered, link, [link](bool over) {
            setTextColour(link, QColor(over ? kLinkHoverColour : kLinkColour),
                          WhenDisabled::GreysOut);
        });
        connect(link, &ClickableLabel::clicked, this, &MainWindow::linkClicked);
        m_links[i] = link;
    }
    // "Next Lesson" belongs to the lessons, which this program does not have.
    link(UserLink::LastLesson).setEnabled(false);

    m_userLine = new QLabel(m_title);
    m_userLine->setObjectName(QStringLiteral("Label3"));
    m_userLine->setTextFormat(Qt::PlainText); // a name from the folder is never markup
    QFont userFont(QStringLiteral("Arial"));
    userFont.setPixelSize(16);
    userFont.setBold(true);
    m_userLine->setFont(userFont);
    m_userLine->move(kUserLinePlace);
    m_userLine->resize(kClientSize.width() - kUserLinePlace.x(), 22);

    m_left = makePanel(QStringLiteral("PanelLeft"), client);
    m_leftPicture = makeSchemePicture(QStringLiteral("Image3"), SchemePicture::Kind::Frame, m_left);
    m_right = makePanel(QStringLiteral("PanelRight"), client);
    m_rightPicture =
        makeSchemePicture(QStringLiteral("Image4"), SchemePicture::Kind::Frame, m_right);
    m_keyboardLabel = makeImage(QStringLiteral("Image1"), client);

    m_newUserPanel = makePanel(QStringLiteral("Panel1"), client);
    m_newUserPicture = makeSchemePicture(QStringLiteral("Image5"), SchemePicture::Kind::Background,
                                         m_newUserPanel);
    m_newUserPanel->hide();
    m_selectUserPanel = makePanel(QStringLiteral("Panel2"), client);
    m_selectUserPicture = makeSchemePicture(QStringLiteral("Image6"),
                                            SchemePicture::Kind::Background, m_selectUserPanel);
    m_selectUserPanel->hide();

    // The hint picture blinks beside the links on the welcome path. (The design also has a
    // Timer1 that has no handler; it is left out.)
    m_hintBlinkTimer = new QTimer(this);
    m_hintBlinkTimer->setObjectName(QStringLiteral("Timer2"));
    m_hintBlinkTimer->setInterval(kBlinkMs);
    connect(m_hintBlinkTimer, &QTimer::timeout, this, &MainWindow::blinkTick);
}

// The window has its fixed size, centred on its screen, and is laid out around the English US
// picture: every keyboard picture has its size. Without it the shipped size stands in, and the
// first activation reports the missing file.
void MainWindow::layOutAtStart() {
    centralWidget()->setFixedSize(kClientSize);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());

    QImage start =
        readPicture(m_globals.folder, keyboardPictureNames(Nationality::EnglishUS).labelled);
    if (start.isNull()) {
        start = QImage(kShippedPictureSize, QImage::Format_RGB32);
        start.fill(kPaperColour);
    }
    const QSize pictureSize = start.size();
    setKeyboardPicture(std::move(start));
    layOut(pictureSize);
}

void MainWindow::layOut(QSize picture) {
    const MainLayout l = layOutAroundKeyboard(width(), kClientSize, picture);
    m_keyboardLabel->setGeometry(l.keyboard);
    m_title->setGeometry(l.title);
    m_titlePicture->setGeometry(m_title->rect());
    m_left->setGeometry(l.leftPanel);
    m_leftPicture->setGeometry(m_left->rect());
    m_right->setGeometry(l.rightPanel);
    m_rightPicture->setGeometry(m_right->rect());
    m_newUserPanel->setGeometry(l.newUserPanel);
    m_newUserPicture->setGeometry(m_newUserPanel->rect());
    m_selectUserPanel->setGeometry(l.selectUserPanel);
    m_selectUserPicture->setGeometry(m_selectUserPanel->rect());
}

} // namespace kf
