#include "ui/settings/UserSetFrm.h"

#include "platform/IniFile.h"
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

namespace zr {
namespace {

const QString kGeneral = QStringLiteral("General");
const QString kTraining = QStringLiteral("Training");
const QString kWordLsn = QStringLiteral("WordLsn");
const QString kKeyLsn = QStringLiteral("KeyLsn");

// The sample of the practice screen: the problem line (typed part, rest), the input
// line with the cursor mark under its next place, and the input guide.
const char16_t *const kSampleTexts[4] = {u"きょうは", u"taipu", u"いいてんきです", u"renshuu"};

// What a colour button and the sample part it stands for are called.
const char16_t *const kColourCaptions[UserSetFrm::kColours] = {u"問題文（確定）", u"入力文", u"問題文",
                                                               u"入力ガイド", u"背景"};

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

// The limits of a practice: minutes and seconds, or a number of screens.
QLayout *limitRow(QSpinBox *minutes, QSpinBox *seconds, QSpinBox *screens)
{
    auto *row = new QHBoxLayout;
    row->addWidget(minutes);
    row->addWidget(new QLabel(QStringLiteral("分")));
    row->addWidget(seconds);
    row->addWidget(new QLabel(QStringLiteral("秒")));
    row->addSpacing(12);
    row->addWidget(new QLabel(QStringLiteral("または")));
    row->addSpacing(12);
    row->addWidget(screens);
    row->addWidget(new QLabel(QStringLiteral("画面で終了")));
    row->addStretch(1);
    return row;
}

// Minutes and seconds of a stored limit ("00:02:30"); the default's when the text is no
// time.
std::pair<int, int> minutesAndSeconds(const QString &section, const QString &value)
{
    std::optional<double> time = parseTimeValue(value);
    if (!time)
        time = parseTimeValue(DefaultSettingValue(section, QStringLiteral("LessonTime")));
    const TimeOfDay t = timeOfDay(time.value_or(0));
    return {t.minute, t.second};
}

QString lessonTime(const QSpinBox *minutes, const QSpinBox *seconds)
{
    return QStringLiteral("00:%1:%2").arg(minutes->value(), 2, 10, QChar(u'0')).arg(seconds->value(), 2, 10, QChar(u'0'));
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
    setWindowTitle(QStringLiteral("ﾕｰｻﾞ設定"));
    setModal(true);
    Option = QList<QRadioButton *>(12, nullptr);

    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(generalTab(), QStringLiteral("全般"));
    SSTab1->addTab(designTab(), QStringLiteral("練習画面のデザイン"));
    SSTab1->addTab(trainingTab(), QStringLiteral("基本練習"));
    SSTab1->addTab(wordTab(), QStringLiteral("単語練習問題"));
    SSTab1->addTab(sentenceTab(), QStringLiteral("短文練習問題"));

    Command1 = button(QStringLiteral("設定保存"), "Command1");
    Command2 = button(QStringLiteral("ｷｬﾝｾﾙ"), "Command2");
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
    Check3 = new QCheckBox(QStringLiteral("自動かなロックを使う"));
    Check3->setObjectName(QStringLiteral("Check3"));
    Check2 = new QCheckBox(QStringLiteral("練習開始時、マウスカーソルを入力画面左上に移動"));
    Check2->setObjectName(QStringLiteral("Check2"));
    auto *behaviour = new QVBoxLayout;
    behaviour->addWidget(Check3);
    behaviour->addWidget(Check2);

    // One sound group: the box, the two kinds, the file with its two buttons.
    auto soundGroup = [this](const QString &title, QCheckBox *&check, const char *checkName, QButtonGroup *&kinds,
                             const char *kindName, QLineEdit *&file, const char *fileName, QPushButton *&choose,
                             const char *chooseName, QPushButton *&test, const char *testName) {
        check = new QCheckBox(QStringLiteral("効果音を鳴らす"));
        check->setObjectName(QString::fromLatin1(checkName));
        kinds = new QButtonGroup(this);
        auto *beep = new QRadioButton(QStringLiteral("コンピュータの標準BEEP音 (機種によっては鳴らないものもあります)"));
        beep->setObjectName(QStringLiteral("%1_0").arg(QLatin1String(kindName)));
        auto *wave = new QRadioButton(QStringLiteral("サウンドを任意に選択"));
        wave->setObjectName(QStringLiteral("%1_2").arg(QLatin1String(kindName)));
        kinds->addButton(beep, 0);
        kinds->addButton(wave, 2);
        file = new QLineEdit;
        file->setObjectName(QString::fromLatin1(fileName));
        choose = button(QStringLiteral("ﾌｧｲﾙ選択"), chooseName);
        test = button(QStringLiteral("テスト再生"), testName);
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
    layout->addWidget(group(QStringLiteral("レッスン中の動作"), behaviour));
    layout->addWidget(soundGroup(QStringLiteral("通常のキー入力"), Check4, "Check4", Option15, "Option15", Text9, "Text9",
                                 Command13, "Command13", Command3, "Command3"));
    layout->addWidget(soundGroup(QStringLiteral("ミスタイプ時"), Check1, "Check1", Option14, "Option14", Text8, "Text8",
                                 Command11, "Command11", Command12, "Command12"));
    layout->addStretch(1);
    auto *page = new QWidget;
    page->setLayout(layout);
    return page;
}

QWidget *UserSetFrm::designTab()
{
    Option12 = new QRadioButton(QStringLiteral("大文字で表示"));
    Option12->setObjectName(QStringLiteral("Option12"));
    Option13 = new QRadioButton(QStringLiteral("小文字で表示"));
    Option13->setObjectName(QStringLiteral("Option13"));
    connect(Option12, &QRadioButton::toggled, this, &UserSetFrm::showSample);
    auto *letters = new QHBoxLayout;
    letters->addWidget(Option12);
    letters->addWidget(Option13);
    letters->addStretch(1);
    auto *fontButton = button(QStringLiteral("フォント"), "Command4");
    connect(fontButton, &QPushButton::clicked, this, &UserSetFrm::chooseFont);
    auto *text = new QVBoxLayout;
    text->addWidget(group(QStringLiteral("アルファベットの表示方法"), letters));
    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(fontButton);
    fontRow->addStretch(1);
    text->addLayout(fontRow);
    text->addWidget(note(QStringLiteral("※フォントは日本語フォント（プロポーショナル）を選択してください。"
                                        "ボールドやイタリックを指定すると練習画面が正常に表示されないことがあります。")));

    // The colour buttons, in the order of their captions on screen.
    const struct {
        const char *name;
        Colour colour;
        const char16_t *caption;
    } colourButtons[] = {{"Command5", Problem, u"問題文"},   {"Command6", Typed, u"問題文（確定）"},
                         {"Command7", Input, u"入力文"},     {"Command8", Guide, u"入力ガイド"},
                         {"Command9", Background, u"背景"}};
    auto *colours = new QGridLayout;
    int k = 0;
    for (const auto &c : colourButtons) {
        auto *b = button(QString::fromUtf16(c.caption), c.name);
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
    Picture1->setToolTip(QStringLiteral("文字や背景をクリックすると、その色を変更できます"));
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

    auto *clear = button(QStringLiteral("設定をクリア"), "Command10");
    connect(clear, &QPushButton::clicked, this, &UserSetFrm::clearDesign);
    auto *clearRow = new QHBoxLayout;
    clearRow->addWidget(clear);
    clearRow->addWidget(note(QStringLiteral("※デザインの全設定を初期状態へ戻します。")), 1);

    auto *layout = new QVBoxLayout;
    layout->addWidget(group(QStringLiteral("文字の設定"), text));
    layout->addWidget(group(QStringLiteral("色の設定"), colours));
    auto *sampleBox = new QVBoxLayout;
    sampleBox->addWidget(Picture1);
    layout->addWidget(group(QStringLiteral("表示サンプル"), sampleBox), 1);
    layout->addLayout(clearRow);
    auto *page = new QWidget;
    page->setLayout(layout);
    return page;
}

QWidget *UserSetFrm::trainingTab()
{
    const auto options = [this](std::initializer_list<std::pair<int, const char16_t *>> list, bool vertical) {
        QBoxLayout *box = vertical ? static_cast<QBoxLayout *>(new QVBoxLayout) : new QHBoxLayout;
        auto *exclusive = new QButtonGroup(this);
        for (const auto &[n, caption] : list) {
            auto *option = new QRadioButton(QString::fromUtf16(caption));
            option->setObjectName(QStringLiteral("Option%1").arg(n));
            exclusive->addButton(option);
            Option[n] = option;
            box->addWidget(option);
        }
        if (!vertical)
            box->addStretch(1);
        return box;
    };

    Text7 = spin("Text7", 10, 400, 5);
    auto *target = new QHBoxLayout;
    target->addWidget(Text7);
    target->addWidget(new QLabel(QStringLiteral("字/分 (10～400)")));
    target->addStretch(1);

    Text1 = spin("Text1", 1, 10, 1);
    Text2 = spin("Text2", 0, 59, 5);
    Text5 = spin("Text5", 3, 20, 1);
    QLayout *time = limitRow(Text1, Text2, Text5);

    auto *grid = new QGridLayout;
    grid->addWidget(group(QStringLiteral("入力速度の目標値"), target), 0, 0, 1, 2);
    grid->addWidget(group(QStringLiteral("単語入力の練習時間"), time), 1, 0, 1, 2);
    grid->addWidget(group(QStringLiteral("キー位置確認の練習時間"),
                          options({{1, u"短い"}, {2, u"標準"}, {3, u"長い"}}, true)),
                    2, 0);
    grid->addWidget(group(QStringLiteral("入力ガイド"),
                          options({{4, u"表示しない"}, {5, u"練習時間の半分までは表示する"}, {6, u"常に表示する"}}, true)),
                    2, 1);
    grid->addWidget(group(QStringLiteral("ミスタイプがあった語の補習"), options({{7, u"受ける"}, {8, u"受けない"}}, true)),
                    3, 0);
    grid->addWidget(group(QStringLiteral("合否判定"), options({{9, u"易しい"}, {10, u"標準"}, {11, u"厳しい"}}, true)),
                    3, 1);
    grid->setRowStretch(4, 1);
    auto *page = new QWidget;
    page->setLayout(grid);
    return page;
}

QWidget *UserSetFrm::wordTab()
{
    Text4 = spin("Text4", 1, 10, 1);
    Text3 = spin("Text3", 0, 59, 5);
    Text6 = spin("Text6", 3, 20, 1);
    QLayout *time = limitRow(Text4, Text3, Text6);
    auto *layout = new QVBoxLayout;
    layout->addWidget(group(QStringLiteral("練習時間"), time));
    layout->addStretch(1);
    auto *page = new QWidget;
    page->setLayout(layout);
    return page;
}

QWidget *UserSetFrm::sentenceTab()
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(note(QStringLiteral("短文練習問題には、設定する項目はありません。")));
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
    request.title = QStringLiteral("サウンドファイルの選択");
    const QFileInfo current(box->text());
    request.directory = current.absoluteDir().exists() && !box->text().isEmpty()
                            ? current.absolutePath()
                            : SystemSoundFolder(ZRSub().AppDir) + QStringLiteral("/media");
    request.filter = QStringLiteral("wav (*.wav)");
    request.defaultSuffix = QStringLiteral("wav");
    if (const std::optional<QString> chosen = ChooseOpenFile(this, request))
        box->setText(QDir::toNativeSeparators(*chosen));
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
            ChooseColor(this, colours_[c], QString::fromUtf16(kColourCaptions[c]) + QStringLiteral("の色"))) {
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
    fontName_ = QString::fromUtf16(kProportionalGothic);
    font_ = QFont(fontName_);
    font_.setPointSizeF(20);
    font_.setItalic(false);
    font_.setBold(false);
    for (int c = 0; c < kColours; ++c) {
        const QString key = c == Background ? QStringLiteral("BackColor") : QStringLiteral("FontColor%1").arg(c + 1);
        colours_[c] = ColourFromSetting(DefaultSettingValue(kGeneral, key).toLongLong());
    }
    showSample();
}

void UserSetFrm::showSample()
{
    if (Label12.size() < 4)
        return;
    QPalette pal = Picture1->palette();
    pal.setColor(QPalette::Window, colours_[Background]);
    Picture1->setPalette(pal);
    for (int i = 0; i < 4; ++i) {
        QFont f = font_;
        if (i == Guide) {
            // The practice screens show the guide smaller and bold.
            f.setPointSizeF(std::max(9.0, font_.pointSizeF() * 0.7));
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
    Shape1->setFixedSize(QFontMetrics(font_).horizontalAdvance(u'm'), 3);
}

void UserSetFrm::load()
{
    const SharedState &s = ZRSub();
    const QString ini = CurUserIni();
    const auto setting = [&](const QString &section, const char *key) {
        return ReadUserSetting(section, QString::fromLatin1(key), ini);
    };
    const auto check = [](QButtonGroup *group, const QString &value) {
        if (QAbstractButton *b = value == u"0" ? group->button(0) : value == u"2" ? group->button(2) : nullptr)
            b->setChecked(true);
    };

    Check1->setChecked(s.ErrorSound == 1);
    Check4->setChecked(s.TypeSound == 1);
    check(Option14, setting(kGeneral, "ErrorSoundType"));
    check(Option15, setting(kGeneral, "TypeSoundType"));
    Text8->setText(setting(kGeneral, "ErrorSoundFile"));
    Text9->setText(setting(kGeneral, "TypeSoundFile"));
    Check2->setChecked(setting(kGeneral, "MoveMouse") == u"1");
    Check3->setChecked(setting(kGeneral, "KanaLock") == u"1");
    soundGroupChanged();

    const auto [trainingMinutes, trainingSeconds] = minutesAndSeconds(kTraining, setting(kTraining, "LessonTime"));
    Text1->setValue(trainingMinutes);
    Text2->setValue(trainingSeconds);
    const auto [wordMinutes, wordSeconds] = minutesAndSeconds(kWordLsn, setting(kWordLsn, "LessonTime"));
    Text4->setValue(wordMinutes);
    Text3->setValue(wordSeconds);
    // A value that is not a number keeps the default; one out of range is brought into it.
    const auto number = [&](QSpinBox *box, const QString &section, const char *key) {
        bool ok = false;
        const double value = setting(section, key).trimmed().toDouble(&ok);
        box->setValue(ok ? qRound(value) : DefaultSettingValue(section, QString::fromLatin1(key)).toInt());
    };
    number(Text5, kTraining, "LessonStep");
    number(Text6, kWordLsn, "LessonStep");
    number(Text7, kTraining, "TargetTime");

    const QString size = setting(kKeyLsn, "LessonSize");
    Option[size == u"Short" ? 1 : size == u"Mid" ? 2 : 3]->setChecked(true);
    const QString guide = setting(kTraining, "RmjGuide");
    Option[guide == u"1" ? 4 : guide == u"2" ? 5 : 6]->setChecked(true);
    Option[setting(kTraining, "Addition") == u"1" ? 7 : 8]->setChecked(true);
    const QString level = setting(kTraining, "Level");
    Option[level == u"1" ? 9 : level == u"2" ? 10 : 11]->setChecked(true);
    (setting(kGeneral, "FontUpper") == u"1" ? Option12 : Option13)->setChecked(true);

    const PracticeAppearance look = ReadPracticeAppearance(ini);
    font_ = look.font;
    fontName_ = setting(kGeneral, "Font");
    colours_[Typed] = look.typedText;
    colours_[Input] = look.inputText;
    colours_[Problem] = look.problemText;
    colours_[Guide] = look.guideText;
    colours_[Background] = look.background;
    showSample();
}

bool UserSetFrm::save()
{
    // Both sound files are checked before anything is written, whether or not their
    // sound is switched on.
    const struct {
        QButtonGroup *kinds;
        QLineEdit *file;
    } sounds[] = {{Option14, Text8}, {Option15, Text9}};
    for (const auto &sound : sounds) {
        if (sound.kinds->checkedId() != 2)
            continue;
        QString problem;
        if (sound.file->text().isEmpty())
            problem = QStringLiteral("サウンドファイルを選択して下さい");
        else if (!QFileInfo(sound.file->text()).isFile())
            problem = QStringLiteral("サウンドファイルのファイル名またはパスが無効です");
        if (!problem.isEmpty()) {
            ShowMessage({problem, QStringLiteral("エラー"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
            SSTab1->setCurrentIndex(0);
            sound.file->setFocus();
            return false;
        }
    }

    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    const auto kind = [](QButtonGroup *group) {
        return group->checkedId() < 0 ? QString() : QString::number(group->checkedId());
    };
    const auto choice = [this](std::initializer_list<std::pair<int, const char *>> list) {
        for (const auto &[n, value] : list) {
            if (Option[n]->isChecked())
                return QString::fromLatin1(value);
        }
        return QString();
    };
    // Every setting in the order it is written; a sound kind with neither option chosen
    // is left as it is.
    const struct {
        const QString &section;
        const char *key;
        QString value;
    } values[] = {
        {kGeneral, "ErrorSound", flag(Check1->isChecked())},
        {kGeneral, "ErrorSoundType", kind(Option14)},
        {kGeneral, "ErrorSoundFile", Text8->text()},
        {kGeneral, "TypeSound", flag(Check4->isChecked())},
        {kGeneral, "TypeSoundType", kind(Option15)},
        {kGeneral, "TypeSoundFile", Text9->text()},
        {kGeneral, "MoveMouse", flag(Check2->isChecked())},
        {kTraining, "LessonTime", lessonTime(Text1, Text2)},
        {kTraining, "LessonStep", QString::number(Text5->value())},
        {kWordLsn, "LessonTime", lessonTime(Text4, Text3)},
        {kWordLsn, "LessonStep", QString::number(Text6->value())},
        {kTraining, "TargetTime", QString::number(Text7->value())},
        {kKeyLsn, "LessonSize", choice({{1, "Short"}, {2, "Mid"}, {3, "Long"}})},
        {kTraining, "RmjGuide", choice({{4, "1"}, {5, "2"}, {6, "3"}})},
        {kGeneral, "KanaLock", flag(Check3->isChecked())},
        {kTraining, "Addition", choice({{7, "1"}, {8, "0"}})},
        {kTraining, "Level", choice({{9, "1"}, {10, "2"}, {11, "3"}})},
        {kGeneral, "FontUpper", flag(Option12->isChecked())},
        {kGeneral, "Font", fontName_},
        {kGeneral, "FontSize", QString::number(font_.pointSizeF())},
        {kGeneral, "FontItalic", font_.italic() ? QStringLiteral("True") : QStringLiteral("False")},
        {kGeneral, "Fontbold", font_.bold() ? QStringLiteral("True") : QStringLiteral("False")},
        {kGeneral, "FontColor1", QString::number(SettingFromColour(colours_[Typed]))},
        {kGeneral, "FontColor2", QString::number(SettingFromColour(colours_[Input]))},
        {kGeneral, "FontColor3", QString::number(SettingFromColour(colours_[Problem]))},
        {kGeneral, "FontColor4", QString::number(SettingFromColour(colours_[Guide]))},
        {kGeneral, "BackColor", QString::number(SettingFromColour(colours_[Background]))},
    };
    const QString ini = CurUserIni();
    bool written = true;
    for (const auto &v : values) {
        const bool soundKind = QByteArrayView(v.key).endsWith("SoundType");
        if (soundKind && v.value.isEmpty())
            continue;
        written &= SetIniString(v.section, QString::fromLatin1(v.key), v.value, ini);
    }
    if (!written) {
        ShowMessage({QStringLiteral("設定ファイル「%1」に書き込めません。").arg(QDir::toNativeSeparators(ini)),
                     QStringLiteral("エラー"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
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
