// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Building the window's components, as the host sees them after start-up.
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

#include "sound/cue_player.h"
#include "ui/layout_scale.h"
#include "ui/main_window.h"
#include "ui/question_file_dialog.h"
#include "widgets/bevel_panel.h"
#include "widgets/builtin_image.h"
#include "widgets/fonts.h"
#include "widgets/label.h"
#include "widgets/palette.h"
#include "widgets/picture_button.h"
#include "widgets/screen_text.h"
#include "widgets/window_texts.h"

namespace kletochka {

namespace {

Label* NewLabel(QWidget* parent, const char* name) {
    auto* label = new Label(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

Label* MakeLabel(QWidget* parent, const char* name, QRect geometry, const LabelLook& look,
                 const QString& text = {}) {
    Label* label = NewLabel(parent, name);
    label->setLook(look);
    label->setText(text);
    label->setGeometry(geometry);
    return label;
}

Label* MakeScreenText(QWidget* parent, const char* name, ScreenText where, QPoint topLeft) {
    Label* label = NewLabel(parent, name);
    SetUpScreenText(*label, where, topLeft);
    return label;
}

Label* MakeLetter(QWidget* parent, const char* name, char letter, QPoint topLeft) {
    Label* label = NewLabel(parent, name);
    SetUpLetter(*label, QLatin1Char(letter), topLeft);
    return label;
}

PictureButton* MakePictureButton(QWidget* parent, const char* name, QRect geometry,
                                 const QString& picture = {}) {
    auto* button = new PictureButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    if (!picture.isEmpty()) {
        button->setPicture(ReadBuiltInImage(picture, "bmp"));
    }
    return button;
}

QPushButton* MakePushButton(QWidget* parent, const char* name, QRect geometry, const QString& text,
                            int pixelHeight, QRgb color) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(ArialFont(pixelHeight, true));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(color));
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, QColor(color));
    button->setPalette(palette);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

void TfrmMAin::createComponents() {
    setObjectName(QStringLiteral("frmMAin"));
    setWindowTitle(QString::fromUtf8(kGameTitle));
    setWindowIcon(
        QIcon(QPixmap::fromImage(ReadBuiltInImage(QStringLiteral(":/mainicon.png"), "png"))));
    setFont(LayoutFont("MS Sans Serif", 11, false));
    resize(kLayoutWidth, kLayoutHeight);

    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    // Only the push buttons take the focus: the scroll area is no tab stop, and
    // a click on the surface leaves the focus where it was.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidgetResizable(true);
    m_surface = new QWidget;
    m_surface->setObjectName(QStringLiteral("surface"));
    m_surface->setMinimumSize(kContentSize);
    m_surface->setAutoFillBackground(true);
    QPalette face = m_surface->palette();
    face.setColor(QPalette::Window, QColor(colors::clBtnFace));
    m_surface->setPalette(face);
    m_scroll->setWidget(m_surface);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll, 0, 0);
    // The black screen lies over everything, hidden until the host asks for it.
    m_blank =
        MakeLabel(this, "blank", {}, {font(), colors::clBlack, Qt::AlignLeft, colors::clBlack});
    layout->addWidget(m_blank, 0, 0);
    m_blank->hide();
    QWidget* s = m_surface;

    lbl = MakeLabel(
        s, "lbl", {0, 0, kLayoutWidth, 49},
        {ArialFont(40, true), colors::clGradientActiveCaption, Qt::AlignHCenter, colors::clBtnText},
        QString::fromUtf8(kGameTitle));
    lblQuestion = MakeScreenText(s, "lblQuestion", ScreenText::Question, {0, 176});
    SpeedButton1 =
        MakePictureButton(s, "SpeedButton1", {8, 232, 73, 73}, QStringLiteral(":/crosses.bmp"));
    SpeedButton2 =
        MakePictureButton(s, "SpeedButton2", {936, 232, 73, 73}, QStringLiteral(":/noughts.bmp"));
    lblcrossA = MakeScreenText(s, "lblcrossA", ScreenText::Answer, {kAnswerLeft, 312});
    lblcrossB = MakeScreenText(s, "lblcrossB", ScreenText::Answer, {kAnswerLeft, 384});
    lblcrossC = MakeScreenText(s, "lblcrossC", ScreenText::Answer, {kAnswerLeft, 456});
    lblZeroA = MakeScreenText(s, "lblZeroA", ScreenText::Answer, {704, 312});
    lblZeroB = MakeScreenText(s, "lblZeroB", ScreenText::Answer, {704, 384});
    lblZeroC = MakeScreenText(s, "lblZeroC", ScreenText::Answer, {704, 456});
    Label2 = MakeLetter(s, "Label2", 'A', {kLetterLeft, 312});
    Label3 = MakeLetter(s, "Label3", 'B', {kLetterLeft, 384});
    Label4 = MakeLetter(s, "Label4", 'A', {984, 312});
    Label5 = MakeLetter(s, "Label5", 'C', {kLetterLeft, 456});
    Label6 = MakeLetter(s, "Label6", 'B', {984, 376});
    Label7 = MakeLetter(s, "Label7", 'C', {984, 456});
    lblHod = MakeLabel(s, "lblHod", {0, 48, 1025, 41},
                       {ArialFont(32, true), colors::clLime, Qt::AlignHCenter, colors::clBlack});
    SpeedButton12 =
        MakePictureButton(s, "SpeedButton12", {952, 680, 57, 57}, QStringLiteral(":/stop.bmp"));
    SpeedButton13 =
        MakePictureButton(s, "SpeedButton13", {8, 680, 65, 65}, QStringLiteral(":/folder.bmp"));

    const int roundLefts[QuestionBank::kRounds] = {8, 152, 312, 472, 624, 776, 936};
    const char* roundNames[QuestionBank::kRounds] = {"Button2", "Button3", "Button4", "Button5",
                                                     "Button6", "Button7", "Button8"};
    for (int k = 1; k <= QuestionBank::kRounds; ++k) {
        m_rounds[static_cast<std::size_t>(k - 1)] =
            MakePushButton(s, roundNames[k - 1], {roundLefts[k - 1], 96, 75, 73},
                           QString::number(k), 40, colors::clHotLight);
    }
    Button2 = m_rounds[0], Button3 = m_rounds[1], Button4 = m_rounds[2], Button5 = m_rounds[3];
    Button6 = m_rounds[4], Button7 = m_rounds[5], Button8 = m_rounds[6];

    Panel1 = new BevelPanel(s);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(328, 224, 369, 369);
    const char* cellNames[GameState::kCells] = {"SpeedButton3", "SpeedButton4",  "SpeedButton5",
                                                "SpeedButton6", "SpeedButton7",  "SpeedButton8",
                                                "SpeedButton9", "SpeedButton10", "SpeedButton11"};
    for (int n = 1; n <= GameState::kCells; ++n) {
        const int row = (n - 1) / 3;
        const int column = (n - 1) % 3;
        PictureButton* cell = MakePictureButton(Panel1, cellNames[n - 1],
                                                {8 + 120 * column, 8 + 120 * row, 113, 113});
        cell->setText(CellCaption(n));
        cell->setFont(ArialFont(40, true));
        QPalette palette = cell->palette();
        palette.setColor(QPalette::ButtonText, QColor(colors::clBackground));
        cell->setPalette(palette);
        m_cells[static_cast<std::size_t>(n - 1)] = cell;
    }
    SpeedButton3 = m_cells[0], SpeedButton4 = m_cells[1], SpeedButton5 = m_cells[2];
    SpeedButton6 = m_cells[3], SpeedButton7 = m_cells[4], SpeedButton8 = m_cells[5];
    SpeedButton9 = m_cells[6], SpeedButton10 = m_cells[7], SpeedButton11 = m_cells[8];

    Button9 = MakePushButton(s, "Button9", {8, 600, 1001, 73}, QStringLiteral("Подтвердить выбор"),
                             29, colors::clNavy);

    TimerStop = new QTimer(this);
    TimerStop->setObjectName(QStringLiteral("TimerStop"));
    TimerStop->setInterval(kFadeTick);

    // Tab order: the round buttons, then confirm; nothing else takes the focus.
    QWidget* previous = Button2;
    for (QWidget* next : {static_cast<QWidget*>(Button3), static_cast<QWidget*>(Button4),
                          static_cast<QWidget*>(Button5), static_cast<QWidget*>(Button6),
                          static_cast<QWidget*>(Button7), static_cast<QWidget*>(Button8),
                          static_cast<QWidget*>(Button9)}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
    Button2->setFocus();

    m_scaler = std::make_unique<LayoutScaler>(*m_surface, kContentSize,
                                              std::vector<QWidget*>{lbl, lblHod});
    m_surface->installEventFilter(this);
}

void TfrmMAin::showOnPrimaryScreen() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    setScaledUp(true);
    showFullScreen();
    activateWindow();
    Button2->setFocus();
}

void TfrmMAin::setScaledUp(bool on) {
    m_scaledUp = on;
    fitToSurface();
}

qreal TfrmMAin::layoutScale() const {
    return m_scaler->scale();
}

// The whole layout is scaled by one factor, places, sizes and fonts alike, rather
// than laid out anew: every label keeps the same share of its room, so a text the
// editor finds short enough is whole at every size. Labels lay their text out at
// the layout's size and paint it through the scale (see Label::setScale).
void TfrmMAin::fitToSurface() {
    m_scaler->apply(m_scaledUp ? LayoutScale(m_surface->size(), kContentSize) : 1);
    // The title band spans the whole width, and the turn band follows it at
    // once: widened only in the paint, it would need a second paint before
    // the first frame is whole, and an X server makes that one wait for the first.
    lbl->resize(m_surface->width(), lbl->height());
    FormPaint();
}

bool TfrmMAin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_surface) {
        if (event->type() == QEvent::Resize) {
            fitToSurface();
        } else if (event->type() == QEvent::Paint) {
            FormPaint();
            if (!m_shown) {
                // The first frame is up, so the sound may get ready now: not before,
                // since loading it slows the frame down.
                m_shown = true;
                QTimer::singleShot(0, this, [this] { mp().prepare(); });
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kletochka
