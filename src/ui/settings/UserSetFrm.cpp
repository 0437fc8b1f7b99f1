#include "ui/settings/UserSetFrm.h"

#include "keyboard/KeyboardModel.h"
#include "platform/MessageBox.h"
#include "platform/OleDate.h"
#include "platform/Paths.h"
#include "platform/Sound.h"
#include "ui/common/Application.h"
#include "ui/common/CommonDialogs.h"
#include "ui/common/WindowPlacement.h"
#include "ui/keyboard/Shapes.h"
#include "ui/practice/PracticeInput.h"
#include "userdata/UserSettings.h"
#include "userdata/ZRSub.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace zr {
namespace {

// The sample of the practice screen: the problem line (typed part, rest), the input
// line with the cursor mark under its next place, and the input guide.
const char16_t *const kSampleTexts[4] = {u"きょうは", u"taipu", u"いいてんきです", u"renshuu"};
// Larger sizes are shown at this size, so that the dialog keeps to a laptop's screen.
constexpr double kSampleLargestPoints = 36;

// What a colour button and the sample part it stands for are called.
const char *const kColourCaptions[UserSetFrm::kColours] = {
    QT_TRANSLATE_NOOP("zr::UserSetFrm", "問題文（確定）"), QT_TRANSLATE_NOOP("zr::UserSetFrm", "入力文"),
    QT_TRANSLATE_NOOP("zr::UserSetFrm", "問題文"), QT_TRANSLATE_NOOP("zr::UserSetFrm", "入力ガイド"),
    QT_TRANSLATE_NOOP("zr::UserSetFrm", "背景")};

QGroupBox *group(const QString &title, QLayout *layout)
{
    auto *box = new QGroupBox(title);
    box->setLayout(layout);
    return box;
}

QLabel *note(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: palette(mid);"));
    return label;
}

QPushButton *button(const QString &caption, const char *name)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QSpinBox *spin(const char *name, int minimum, int maximum, int step)
{
    auto *box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(72);
    return box;
}

// A box with the range the setting's declaration offers.
QSpinBox *spin(const char *name, Setting setting)
{
    const SettingDeclaration &d = Declaration(setting);
    return spin(name, d.minimum, d.maximum, d.step);
}

// The minutes and seconds boxes of a time limit; its range is declared in seconds.
std::pair<QSpinBox *, QSpinBox *> timeBoxes(const char *minutesName, const char *secondsName, Setting setting)
{
    const SettingDeclaration &d = Declaration(setting);
    return {spin(minutesName, d.minimum / 60, d.maximum / 60, 1), spin(secondsName, 0, 59, d.step)};
}

// The limits of a practice: minutes and seconds, or a number of screens.
QLayout *limitRow(QSpinBox *minutes, QSpinBox *seconds, QSpinBox *screens)
{
    auto *row = new QHBoxLayout;
    row->addWidget(minutes);
    row->addWidget(new QLabel(UserSetFrm::tr("分")));
    row->addWidget(seconds);
    row->addWidget(new QLabel(UserSetFrm::tr("秒")));
    row->addSpacing(12);
    row->addWidget(new QLabel(UserSetFrm::tr("または")));
    row->addSpacing(12);
    row->addWidget(screens);
    row->addWidget(new QLabel(UserSetFrm::tr("画面で終了")));
    row->addStretch(1);
    return row;
}

// A limit's time of day as minutes and seconds, and back.
std::pair<int, int> minutesAndSeconds(double lessonTime)
{
    const TimeOfDay t = timeOfDay(lessonTime);
    return {t.minute, t.second};
}

double lessonTime(const QSpinBox *minutes, const QSpinBox *seconds)
{
    return (minutes->value() * 60 + seconds->value()) / 86400.0;
}

void setTextColour(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

}  // namespace

UserSetFrm::UserSetFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("UserSetFrm"));
    setWindowTitle(tr("ﾕｰｻﾞ設定"));
    setModal(true);
    Option = QList<QRadioButton *>(12, nullptr);

    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(generalTab(), tr("全般"));
    SSTab1->addTab(designTab(), tr("練習画面のデザイン"));
    SSTab1->addTab(trainingTab(), tr("基本練習"));
    SSTab1->addTab(wordTab(), tr("単語練習問題"));
    SSTab1->addTab(sentenceTab(), tr("短文練習問題"));

    Command1 = button(tr("設定保存"), "Command1");
    Command2 = button(tr("ｷｬﾝｾﾙ"), "Command2");
    for (QPushButton *b : {Command1, Command2})
        b->setMinimumWidth(96);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (save())
            accept();
    });
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(SSTab1, 1);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer2.setParent(this);
    Timer2.setInterval(500);
    connect(&Timer2, &QTimer::timeout, this, [this] { Shape1->setHidden(!Shape1->isHidden()); });

    load();
    Timer2.start();
    adjustSize();
    CentreWindow(this);
}

QWidget *UserSetFrm::generalTab()
{
    Check3 = new QCheckBox(tr("自動かなロックを使う"));
    Check3->setObjectName(QStringLiteral("Check3"));
    Check2 = new QCheckBox(tr("練習開始時、マウスカーソルを入力画面左上に移動"));
    Check2->setObjectName(QStringLiteral("Check2"));
    CheckAnySpelling = new QCheckBox(tr("どの綴りでも正解にする"));
    CheckAnySpelling->setObjectName(QStringLiteral("CheckAnySpelling"));
    CheckAnySpelling->setToolTip(tr("ローマ字入力で、しゃ を sha・sya・sixya のどれで打っても正解にします"
                                                "（JIS仮名入力コースでは使いません）"));
    auto *behaviour = new QVBoxLayout;
    behaviour->addWidget(Check3);
    behaviour->addWidget(Check2);
    behaviour->addWidget(CheckAnySpelling);

    // One sound group: the box, the two kinds, the file with its two buttons.
    auto soundGroup = [this](const QString &title, QCheckBox *&check, const char *checkName, QButtonGroup *&kinds,
                             const char *kindName, QLineEdit *&file, const char *fileName, QPushButton *&choose,
                             const char *chooseName, QPushButton *&test, const char *testName) {
        check = new QCheckBox(tr("効果音を鳴らす"));
        check->setObjectName(QString::fromLatin1(checkName));
        kinds = new QButtonGroup(this);
        auto *beep = new QRadioButton(tr("コンピュータの標準BEEP音 (機種によっては鳴らないものもあります)"));
        beep->setObjectName(QStringLiteral("%1_0").arg(QLatin1String(kindName)));
        auto *wave = new QRadioButton(tr("サウンドを任意に選択"));
        wave->setObjectName(QStringLiteral("%1_2").arg(QLatin1String(kindName)));
        kinds->addButton(beep, 0);
        kinds->addButton(wave, 2);
        file = new QLineEdit;
        file->setObjectName(QString::fromLatin1(fileName));
        choose = button(tr("ﾌｧｲﾙ選択"), chooseName);
        test = button(tr("テスト再生"), testName);
        QLineEdit *box = file;
        QButtonGroup *group = kinds;
        connect(check, &QCheckBox::toggled, this, &UserSetFrm::soundGroupChanged);
        connect(kinds, &QButtonGroup::idToggled, this, &UserSetFrm::soundGroupChanged);
        connect(choose, &QPushButton::clicked, this, [this, box] { chooseSoundFile(box); });
        connect(test, &QPushButton::clicked, this, [this, group, box] { testSound(group, box); });

        auto *grid = new QGridLayout;
        grid->addWidget(check, 0, 0, 1, 3);
        grid->addWidget(beep, 1, 0, 1, 3);
        grid->addWidget(wave, 2, 0, 1, 3);
        grid->addWidget(file, 3, 0);
        grid->addWidget(choose, 3, 1);
        grid->addWidget(test, 3, 2);
        grid->setColumnStretch(0, 1);
        grid->setColumnMinimumWidth(0, 260);
        return ::zr::group(title, grid);
    };

    auto *layout = new QVBoxLayout;
    layout->addWidget(group(tr("レッスン中の動作"), behaviour));
    layout->addWidget(soundGroup(tr("通常のキー入力"), Check4, "Check4", Option15, "Option15", Text9, "Text9",
                                 Command13, "Command13", Command3, "Command3"));
    layout->addWidget(soundGroup(tr("ミスタイプ時"), Check1, "Check1", Option14, "Option14", Text8, "Text8",
                                 Command11, "Command11", Command12, "Command12"));
    layout->addStretch(1);
    auto *page = new QWidget;
    page->setLayout(layout);
    return page;
}

QWidget *UserSetFrm::designTab()
{
    Option12 = new QRadioButton(tr("大文字で表示"));
    Option12->setObjectName(QStringLiteral("Option12"));
    Option13 = new QRadioButton(tr("小文字で表示"));
    Option13->setObjectName(QStringLiteral("Option13"));
    connect(Option12, &QRadioButton::toggled, this, &UserSetFrm::showSample);
    auto *letters = new QHBoxLayout;
    letters->addWidget(Option12);
    letters->addWidget(Option13);
    letters->addStretch(1);
    auto *fontButton = button(tr("フォント"), "Command4");
    connect(fontButton, &QPushButton::clicked, this, &UserSetFrm::chooseFont);
    auto *text = new QVBoxLayout;
    text->addWidget(group(tr("アルファベットの表示方法"), letters));
    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(fontButton);
    fontRow->addStretch(1);
    text->addLayout(fontRow);
    text->addWidget(note(tr("※フォントは日本語フォント（プロポーショナル）を選択してください。"
                                        "ボールドやイタリックを指定すると練習画面が正常に表示されないことがあります。")));

    // The colour buttons, in the order of their captions on screen.
    const struct {
        const char *name;
        Colour colour;
        const char *caption;
    } colourButtons[] = {{"Command5", Problem, QT_TR_NOOP("問題文")},   {"Command6", Typed, QT_TR_NOOP("問題文（確定）")},
                         {"Command7", Input, QT_TR_NOOP("入力文")},     {"Command8", Guide, QT_TR_NOOP("入力ガイド")},
                         {"Command9", Background, QT_TR_NOOP("背景")}};
    auto *colours = new QGridLayout;
    int k = 0;
    for (const auto &c : colourButtons) {
        auto *b = button(tr(c.caption), c.name);
        const Colour which = c.colour;
        connect(b, &QPushButton::clicked, this, [this, which] { chooseColour(which); });
        colours->addWidget(b, k / 3, k % 3);
        ++k;
    }

    Picture1 = new QFrame;
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::StyledPanel);
    Picture1->setAutoFillBackground(true);
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->setToolTip(tr("文字や背景をクリックすると、その色を変更できます"));
    Picture1->installEventFilter(this);
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(QString::fromUtf16(kSampleTexts[i]));
        label->setObjectName(QStringLiteral("Label12_%1").arg(i));
        label->installEventFilter(this);
        Label12.append(label);
    }
    Shape1 = new ShapeWidget(ShapeWidget::Rectangle);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    QSizePolicy keepPlace = Shape1->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);   // the sample must not move as the mark blinks
    Shape1->setSizePolicy(keepPlace);
    auto *problemLine = new QHBoxLayout;
    problemLine->setSpacing(0);
    problemLine->addWidget(Label12[0]);
    problemLine->addWidget(Label12[2]);
    problemLine->addStretch(1);
    auto *cursorColumn = new QVBoxLayout;
    cursorColumn->addStretch(1);
    cursorColumn->addWidget(Shape1);
    auto *inputLine = new QHBoxLayout;
    inputLine->setSpacing(1);
    inputLine->addWidget(Label12[1]);
    inputLine->addLayout(cursorColumn);
    inputLine->addStretch(1);
    auto *sample = new QVBoxLayout(Picture1);
    sample->setContentsMargins(14, 10, 14, 10);
    sample->addLayout(problemLine);
    sample->addLayout(inputLine);
    sample->addWidget(Label12[3]);

    auto *clear = button(tr("設定をクリア"), "Command10");
    connect(clear, &QPushButton::clicked, this, &UserSetFrm::clearDesign);
    auto *clearRow = new QHBoxLayout;
    clearRow->addWidget(clear);
    clearRow->addWidget(note(tr("※デザインの全設定を初期状態へ戻します。")), 1);

    auto *layout = new QVBoxLayout;
    layout->addWidget(group(tr("文字の設定"), text));
    layout->addWidget(group(tr("色の設定"), colours));
    auto *sampleBox = new QVBoxLayout;
    sampleBox->addWidget(Picture1);
    QLabel *sampleNote = note(tr("※%1ポイントを超える大きさは、サンプルでは%1ポイントで表示します。")
                                  .arg(kSampleLargestPoints));
    sampleNote->setObjectName(QStringLiteral("SampleNote"));
    sampleNote->hide();
    sampleBox->addWidget(sampleNote);
    layout->addWidget(group(tr("表示サンプル"), sampleBox), 1);
    layout->addLayout(clearRow);
    auto *page = new QWidget;
    page->setLayout(layout);
    return page;
}

QWidget *UserSetFrm::trainingTab()
{
    const auto options = [this](std::initializer_list<std::pair<int, QString>> list, bool vertical) {
        QBoxLayout *box = vertical ? static_cast<QBoxLayout *>(new QVBoxLayout) : new QHBoxLayout;
        auto *exclusive = new QButtonGroup(this);
        for (const auto &[n, caption] : list) {
            auto *option = new QRadioButton(caption);
            option->setObjectName(QStringLiteral("Option%1").arg(n));
            exclusive->addButton(option);
            Option[n] = option;
            box->addWidget(option);
        }
        if (!vertical)
            box->addStretch(1);
        return box;
    };

    Text7 = spin("Text7", Setting::TargetTime);
    auto *target = new QHBoxLayout;
    target->addWidget(Text7);
    target->addWidget(new QLabel(tr("字/分 (10～400)")));
    target->addStretch(1);

    std::tie(Text1, Text2) = timeBoxes("Text1", "Text2", Setting::TrainingLessonTime);
    Text5 = spin("Text5", Setting::TrainingLessonStep);
    QLayout *time = limitRow(Text1, Text2, Text5);

    auto *grid = new QGridLayout;
    grid->addWidget(group(tr("入力速度の目標値"), target), 0, 0, 1, 2);
    grid->addWidget(group(tr("単語入力の練習時間"), time), 1, 0, 1, 2);
    grid->addWidget(group(tr("キー位置確認の練習時間"),
                          options({{1, tr("短い")}, {2, tr("標準")}, {3, tr("長い")}}, true)),
                    2, 0);
    grid->addWidget(group(tr("入力ガイド"),
                          options({{4, tr("表示しない")}, {5, tr("練習時間の半分までは表示する")}, {6, tr("常に表示する")}}, true)),
                    2, 1);
    grid->addWidget(group(tr("ミスタイプがあった語の補習"), options({{7, tr("受ける")}, {8, tr("受けない")}}, true)),
                    3, 0);
    grid->addWidget(group(tr("合否判定"), options({{9, tr("易しい")}, {10, tr("標準")}, {11, tr("厳しい")}}, true)),
                    3, 1);
    grid->setRowStretch(4, 1);
    auto *page = new QWidget;
    page->setLayout(grid);
    return page;
}

QWidget *UserSetFrm::wordTab()
{
    std::tie(Text4, Text3) = timeBoxes("Text4", "Text3", Setting::WordLessonTime);
    Text6 = spin("Text6", Setting::WordLessonStep);
    QLayout *time = limitRow(Text4, Text3, Text6);
    CheckShowReading = new QCheckBox(tr("読みを表示する"));
    CheckShowReading->setObjectName(QStringLiteral("CheckShowReading"));
    CheckShowKeys = new QCheckBox(tr("入力キーを表示する"));
    CheckShowKeys->setObjectName(QStringLiteral("CheckShowKeys"));
    auto *guide = new QVBoxLayout;
    guide->addWidget(CheckShowReading);
    guide->addWidget(CheckShowKeys);
    guide->addWidget(note(tr("※単語や文の下に、ひらがなの読みと、打つキーを表示します。短文練習問題でも表示されます。")));
    auto *layout = new QVBoxLayout;
    layout->addWidget(group(tr("練習時間"), time));
    layout->addWidget(group(tr("読みと入力キーの表示"), guide));
    layout->addStretch(1);
    auto *page = new QWidget;
    page->setLayout(layout);
    return page;
}

QWidget *UserSetFrm::sentenceTab()
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(note(tr("短文練習問題には、設定する項目はありません。1回の練習は6画面で終わり、時間の制限はありません。")));
    layout->addStretch(1);
    auto *page = new QWidget;
    page->setLayout(layout);
    return page;
}

void UserSetFrm::soundGroupChanged()
{
    const struct {
        QCheckBox *check;
        QButtonGroup *kinds;
        QLineEdit *file;
        QPushButton *choose, *test;
    } groups[] = {{Check4, Option15, Text9, Command13, Command3}, {Check1, Option14, Text8, Command11, Command12}};
    for (const auto &g : groups) {
        if (!g.check || !g.kinds || !g.test)
            continue;
        const bool on = g.check->isChecked();
        for (QAbstractButton *option : g.kinds->buttons())
            option->setEnabled(on);
        g.test->setEnabled(on);
        const bool file = on && g.kinds->checkedId() == 2;
        g.file->setEnabled(file);
        g.choose->setEnabled(file);
    }
}

void UserSetFrm::chooseSoundFile(QLineEdit *box)
{
    OpenFileRequest request;
    request.title = tr("サウンドファイルの選択");
    const QFileInfo current(box->text());
    request.directory = current.absoluteDir().exists() && !box->text().isEmpty()
                            ? current.absolutePath()
                            : SystemSoundFolder(ZRSub().AppDir) + QStringLiteral("/media");
    request.filter = QStringLiteral("wav (*.wav)");
    request.defaultSuffix = QStringLiteral("wav");
    const std::optional<QString> chosen = ChooseOpenFile(this, request);
    if (!chosen)
        return;
    // A path "user.ini" cannot hold would be saved damaged and never play.
    const QString path = QDir::toNativeSeparators(*chosen);
    if (const QString problem = UnstorablePathText(path, PathUse::Choose); !problem.isEmpty()) {
        ShowMessage({problem, tr("エラー"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    box->setText(path);
}

void UserSetFrm::testSound(QButtonGroup *group, QLineEdit *box)
{
    const int kind = group->checkedId();
    if (kind == 0 || kind == 2)
        PlayFeedbackSound({1, kind, box->text()});
}

void UserSetFrm::chooseFont()
{
    if (const std::optional<QFont> chosen = ChooseFont(this, font_)) {
        font_ = *chosen;
        fontName_ = chosen->family();
        showSample();
    }
}

void UserSetFrm::chooseColour(Colour c)
{
    if (const std::optional<QColor> chosen =
            ChooseColor(this, colours_[c], tr("%1の色").arg(tr(kColourCaptions[c])))) {
        colours_[c] = *chosen;
        showSample();
    }
}

bool UserSetFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Picture1) {
            chooseColour(Background);
            return true;
        }
        const qsizetype label = Label12.indexOf(qobject_cast<QLabel *>(watched));
        if (label >= 0) {
            chooseColour(Colour(label));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void UserSetFrm::clearDesign()
{
    applyDesign(DefaultUserSettings());
}

void UserSetFrm::applyDesign(const UserSettings &u)
{
    fontName_ = u.Font;
    font_ = QFont(fontName_);
    font_.setPointSizeF(u.FontSize);
    font_.setItalic(u.FontItalic);
    font_.setBold(u.FontBold);
    const qint64 colours[kColours] = {u.FontColor1, u.FontColor2, u.FontColor3, u.FontColor4, u.BackColor};
    for (int c = 0; c < kColours; ++c)
        colours_[c] = ColourFromSetting(colours[c]);
    showSample();
}

void UserSetFrm::showSample()
{
    if (Label12.size() < 4)
        return;
    QPalette pal = Picture1->palette();
    pal.setColor(QPalette::Window, colours_[Background]);
    Picture1->setPalette(pal);
    QFont sample = font_;
    const bool capped = font_.pointSizeF() > kSampleLargestPoints;
    if (capped)
        sample.setPointSizeF(kSampleLargestPoints);
    if (auto *sampleNote = findChild<QLabel *>(QStringLiteral("SampleNote")))
        sampleNote->setVisible(capped);
    for (int i = 0; i < 4; ++i) {
        QFont f = sample;
        if (i == Guide) {
            // The practice screens show the guide smaller and bold.
            f.setPointSizeF(std::max(9.0, sample.pointSizeF() * 0.7));
            f.setBold(true);
        }
        Label12[i]->setFont(f);
        setTextColour(Label12[i], colours_[i]);
    }
    const bool upper = Option12->isChecked();
    for (int i : {int(Input), int(Guide)}) {
        const QString t = QString::fromUtf16(kSampleTexts[i]);
        Label12[i]->setText(upper ? t.toUpper() : t);
    }
    Shape1->setFillColour(colours_[Input]);
    Shape1->setFixedSize(QFontMetrics(sample).horizontalAdvance(u'm'), 3);
}

void UserSetFrm::load()
{
    const QString ini = CurUserIni();
    // Keys the file lacks get their defaults written, as on every first read.
    WriteMissingDefaults(QList<Setting>{Setting::ErrorSoundType, Setting::TypeSoundType, Setting::ErrorSoundFile,
                                        Setting::TypeSoundFile, Setting::MoveMouse, Setting::KanaLock,
                                        Setting::TrainingLessonTime, Setting::WordLessonTime,
                                        Setting::TrainingLessonStep, Setting::WordLessonStep, Setting::TargetTime,
                                        Setting::KeyLessonSize, Setting::RmjGuide, Setting::Addition, Setting::Level,
                                        Setting::FontUpper}
                             + AppearanceSettings(),
                         ini);
    settings_ = LoadUserSettings(ini);
    const UserSettings &u = settings_;

    // The two boxes show the sounds as the program plays them now.
    Check1->setChecked(ZRSub().ErrorSound == 1);
    Check4->setChecked(ZRSub().TypeSound == 1);
    // A kind of sound the dialog offers no option for (the default 1) selects none.
    for (const auto &[group, kind] : {std::pair{Option14, u.ErrorSoundType}, std::pair{Option15, u.TypeSoundType}}) {
        if (QAbstractButton *b = kind == 0 || kind == 2 ? group->button(kind) : nullptr)
            b->setChecked(true);
    }
    Text8->setText(u.ErrorSoundFile);
    Text9->setText(u.TypeSoundFile);
    Check2->setChecked(u.MoveMouse);
    Check3->setChecked(u.KanaLock);
    CheckAnySpelling->setChecked(u.AnySpelling);
    // One key per kana leaves nothing to spell otherwise.
    CheckAnySpelling->setEnabled(ZRSub().CurUser.Course != KanaCourse);
    soundGroupChanged();

    // Values outside a box's range are brought into it.
    const auto [trainingMinutes, trainingSeconds] = minutesAndSeconds(u.training.LessonTime);
    Text1->setValue(trainingMinutes);
    Text2->setValue(trainingSeconds);
    const auto [wordMinutes, wordSeconds] = minutesAndSeconds(u.word.LessonTime);
    Text4->setValue(wordMinutes);
    Text3->setValue(wordSeconds);
    Text5->setValue(u.training.LessonStep);
    Text6->setValue(u.word.LessonStep);
    CheckShowReading->setChecked(u.ShowReading);
    CheckShowKeys->setChecked(u.ShowKeys);
    Text7->setValue(u.TargetTime);

    Option[u.KeyLessonSize == LessonSize::Short ? 1 : u.KeyLessonSize == LessonSize::Mid ? 2 : 3]->setChecked(true);
    Option[u.RmjGuide == RmjGuideMode::Never ? 4 : u.RmjGuide == RmjGuideMode::FirstHalf ? 5 : 6]->setChecked(true);
    Option[u.Addition ? 7 : 8]->setChecked(true);
    Option[u.Level == PassLevel::Easy ? 9 : u.Level == PassLevel::Standard ? 10 : 11]->setChecked(true);
    (u.FontUpper ? Option12 : Option13)->setChecked(true);
    applyDesign(u);
}

bool UserSetFrm::save()
{
    // Both sound files are checked before anything is written, whether or not their
    // sound is switched on.
    const struct {
        QCheckBox *check;
        QButtonGroup *kinds;
        QLineEdit *file;
        QPushButton *choose;
    } sounds[] = {{Check1, Option14, Text8, Command11}, {Check4, Option15, Text9, Command13}};
    for (const auto &sound : sounds) {
        const QString file = sound.file->text();
        // A typed path is checked as a chosen one is; a stored one always passes.
        QString problem = file.isEmpty() ? QString() : UnstorablePathText(file, PathUse::Choose);
        if (problem.isEmpty() && sound.kinds->checkedId() == 2) {
            if (file.isEmpty())
                problem = tr("サウンドファイルを選択して下さい");
            else if (!QFileInfo(file).isFile())
                problem = tr("サウンドファイルのファイル名またはパスが無効です");
        }
        if (!problem.isEmpty()) {
            ShowMessage({problem, tr("エラー"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
            SSTab1->setCurrentIndex(0);
            // The first control of the group that can fix it: the file, its button, the
            // option of the beep, or with the sound switched off its check box, which
            // is always there for the keyboard. Marked as a keyboard focus change, so
            // the focus shows.
            QWidget *beep = sound.kinds->button(0);
            for (QWidget *w : {static_cast<QWidget *>(sound.file), static_cast<QWidget *>(sound.choose), beep,
                               static_cast<QWidget *>(sound.check)}) {
                if (w && w->isEnabled()) {
                    setAttribute(Qt::WA_KeyboardFocusChange);
                    w->setFocus(Qt::OtherFocusReason);
                    break;
                }
            }
            return false;
        }
    }

    // Settings the dialog does not show, such as a sound kind with neither option
    // chosen, stay as they were read.
    UserSettings u = settings_;
    u.ErrorSound = Check1->isChecked() ? 1 : 0;
    if (Option14->checkedId() >= 0)
        u.ErrorSoundType = Option14->checkedId();
    u.ErrorSoundFile = Text8->text();
    u.TypeSound = Check4->isChecked() ? 1 : 0;
    if (Option15->checkedId() >= 0)
        u.TypeSoundType = Option15->checkedId();
    u.TypeSoundFile = Text9->text();
    u.MoveMouse = Check2->isChecked();
    u.training.LessonTime = lessonTime(Text1, Text2);
    u.training.LessonStep = Text5->value();
    u.word.LessonTime = lessonTime(Text4, Text3);
    u.word.LessonStep = Text6->value();
    u.ShowReading = CheckShowReading->isChecked();
    u.ShowKeys = CheckShowKeys->isChecked();
    u.TargetTime = Text7->value();
    u.KeyLessonSize = Option[1]->isChecked() ? LessonSize::Short : Option[2]->isChecked() ? LessonSize::Mid : LessonSize::Long;
    u.RmjGuide = Option[4]->isChecked()   ? RmjGuideMode::Never
                 : Option[5]->isChecked() ? RmjGuideMode::FirstHalf
                                          : RmjGuideMode::Always;
    u.KanaLock = Check3->isChecked();
    u.AnySpelling = CheckAnySpelling->isChecked();
    u.Addition = Option[7]->isChecked();
    u.Level = Option[9]->isChecked() ? PassLevel::Easy : Option[10]->isChecked() ? PassLevel::Standard : PassLevel::Strict;
    u.FontUpper = Option12->isChecked();
    u.Font = fontName_;
    // The font dialog offers sizes the practice screens do not take.
    const SettingDeclaration &size = Declaration(Setting::FontSize);
    u.FontSize = std::clamp(font_.pointSizeF(), double(size.minimum), double(size.maximum));
    u.FontItalic = font_.italic();
    u.FontBold = font_.bold();
    u.FontColor1 = SettingFromColour(colours_[Typed]);
    u.FontColor2 = SettingFromColour(colours_[Input]);
    u.FontColor3 = SettingFromColour(colours_[Problem]);
    u.FontColor4 = SettingFromColour(colours_[Guide]);
    u.BackColor = SettingFromColour(colours_[Background]);

    const QString ini = CurUserIni();
    if (!SaveUserSettings(u, ini)) {
        ShowMessage({tr("設定ファイル「%1」に書き込めません。").arg(QDir::toNativeSeparators(ini)),
                     tr("エラー"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return false;
    }
    return true;
}

void ShowUserSetFrm(QWidget *parent)
{
    UserSetFrm dialog(parent);
    dialog.exec();
}

}  // namespace zr
