<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BinaryIO</name>
    <message>
        <source>「%1」を保存できません（%2）。</source>
        <translation>“%1” cannot be saved (%2).</translation>
    </message>
    <message>
        <source>「%1」を読み込めません（%2）。</source>
        <translation>“%1” cannot be read (%2).</translation>
    </message>
    <message>
        <source>「%1」は普通のファイルではありません。</source>
        <translation>“%1” is not an ordinary file.</translation>
    </message>
    <message>
        <source>「%1」は大きすぎます（%2バイトまで）。</source>
        <translation>“%1” is too large (at most %2 bytes).</translation>
    </message>
</context>
<context>
    <name>ChapterIntro</name>
    <message>
        <source>&#x3000;Chapter%1へようこそ。</source>
        <translation>&#x3000;Welcome to Chapter %1.</translation>
    </message>
    <message>
        <source>&#x3000;【 %1 】のキーの上に左手の人差し指を、【 %2 】のキーの上に右手の人差し指を置き、他の指もその位置に対し一列に並ぶように置いてみてください。</source>
        <extracomment>%1 and %2 are the home keys of the left and the right index finger.</extracomment>
        <translation>&#x3000;Place your left index finger on the 【 %1 】 key and your right index finger on the 【 %2 】 key, then rest your other fingers in a line beside them.</translation>
    </message>
    <message>
        <source>&#x3000;この位置を「ホームポジション」と呼びます。ホームポジションを意識したタイプを心がけることで、キーボードを全く見ずにタイプができるようになります。</source>
        <translation>&#x3000;This is called the “home position”. Keep your fingers on the home position as you type, and you will learn to type without looking at the keyboard at all.</translation>
    </message>
    <message>
        <source>&#x3000;今回練習するキーは、%1キーです。</source>
        <translation>&#x3000;The keys you practise this time are %1.</translation>
    </message>
    <message>
        <source>（入力後は【 %1 】の位置に指を戻してください。）</source>
        <translation> (After typing it, bring your finger back to 【 %1 】.)</translation>
    </message>
    <message>
        <source>%1キーを使う単語は、この Chapter の単語練習には出てきません。キー位置の確認で位置をしっかり覚えましょう。</source>
        <translation>No word in this Chapter&apos;s word drill uses %1. Learn where the keys are in the key position check.</translation>
    </message>
    <message>
        <source>%1キーは、今のローマ字のつづりで打つ単語がないため、この Chapter の単語練習には出てきません。キー位置の確認で位置をしっかり覚えましょう。</source>
        <translation>%1 cannot be asked for in this Chapter&apos;s word drill: no word is typed with them in your current romaji spellings. Learn where the keys are in the key position check.</translation>
    </message>
</context>
<context>
    <name>CommonDialogs</name>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>設定ファイル%1</source>
        <translation>Settings file %1</translation>
    </message>
    <message>
        <source>セクション名「%1」は設定ファイルに書けません。</source>
        <translation>The section name “%1” cannot be written to a settings file.</translation>
    </message>
    <message>
        <source>キー名「%1」は設定ファイルに書けません。</source>
        <translation>The key name “%1” cannot be written to a settings file.</translation>
    </message>
    <message>
        <source>書き込む設定ファイルがありません。</source>
        <translation>There is no settings file to write to.</translation>
    </message>
</context>
<context>
    <name>KeyboardModel</name>
    <message>
        <source>左手の小指</source>
        <translation>left little finger</translation>
    </message>
    <message>
        <source>左手の薬指</source>
        <translation>left ring finger</translation>
    </message>
    <message>
        <source>左手の中指</source>
        <translation>left middle finger</translation>
    </message>
    <message>
        <source>左手の人差し指</source>
        <translation>left index finger</translation>
    </message>
    <message>
        <source>右手の人差し指</source>
        <translation>right index finger</translation>
    </message>
    <message>
        <source>右手の中指</source>
        <translation>right middle finger</translation>
    </message>
    <message>
        <source>右手の薬指</source>
        <translation>right ring finger</translation>
    </message>
    <message>
        <source>右手の小指</source>
        <translation>right little finger</translation>
    </message>
    <message>
        <source>小指</source>
        <translation>Little</translation>
    </message>
    <message>
        <source>薬指</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>中指</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>人差し指</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>【 %1 】キーは SHIFTキーを押しながら、%2で打ちます。</source>
        <translation>Hold down SHIFT and type 【 %1 】 with your %2.</translation>
    </message>
    <message>
        <source>【 %1 】キーは%2で打ちます。</source>
        <translation>Type 【 %1 】 with your %2.</translation>
    </message>
</context>
<context>
    <name>LearnerLog</name>
    <message>
        <source>練習記録</source>
        <translation>Practice log</translation>
    </message>
    <message>
        <source>ほかのプログラムが使用中です</source>
        <translation>another program is using it</translation>
    </message>
    <message>
        <source>ファイルかフォルダに書き込めません</source>
        <translation>the file or its folder cannot be written</translation>
    </message>
    <message>
        <source>ディスクに空きがありません</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>ファイルが壊れています</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>エラーが起きました</source>
        <translation>an error occurred</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>練習記録「%1」は新しい版の ZORVEL LESSON で作られているため、この版では書き込みません。</source>
        <translation>The practice log “%1” was made by a newer version of ZORVEL LESSON; this version does not write to it.</translation>
    </message>
    <message>
        <source>練習記録「%1」に書き込めないため、練習の記録を残せません（%2）。</source>
        <translation>The practice log “%1” cannot be written, so your practice is not being logged (%2).</translation>
    </message>
    <message>
        <source>成績と練習はこれまでどおり使えます。このお知らせは、次にプログラムを起動するまで表示しません。</source>
        <translation>Your scores and practice work as before. This notice is not shown again until the program starts next time.</translation>
    </message>
    <message>
        <source>練習記録「%1」は壊れていたため、新しい練習記録を始めました。</source>
        <translation>The practice log “%1” was damaged, so a new practice log has been started.</translation>
    </message>
    <message>
        <source>壊れたファイルは「%1」として残してあります。</source>
        <translation>The damaged file has been kept as “%1”.</translation>
    </message>
    <message>
        <source>練習記録「%1」を読めません（%2）。</source>
        <translation>The practice log “%1” cannot be read (%2).</translation>
    </message>
    <message>
        <source>まだ練習記録がありません</source>
        <translation>there is no practice log yet</translation>
    </message>
    <message>
        <source>練習記録を「%1」に書き出せませんでした。</source>
        <translation>The practice log could not be exported to “%1”.</translation>
    </message>
</context>
<context>
    <name>LessonTable</name>
    <message>
        <source>レッスンテーブル%1</source>
        <translation>Lesson table %1</translation>
    </message>
    <message>
        <source>レッスンテーブル「%1」の%2行目が%3バイトを超えています。</source>
        <translation>Line %2 of the lesson table “%1” is longer than %3 bytes.</translation>
    </message>
    <message>
        <source>レッスンテーブル「%1」は%2行を超えています。</source>
        <translation>The lesson table “%1” has more than %2 lines.</translation>
    </message>
</context>
<context>
    <name>LogExport</name>
    <message>
        <source>練習記録のエクスポート</source>
        <translation>Export Practice Log</translation>
    </message>
    <message>
        <source>「%1」にある %2 と %3 を置き換えます。よろしいですか？</source>
        <translation>This replaces %2 and %3 in “%1”. Continue?</translation>
    </message>
    <message>
        <source>練習記録を「%1」に書き出しました（%2、%3）。</source>
        <translation>The practice log has been exported to “%1” (%2, %3).</translation>
    </message>
</context>
<context>
    <name>PracticeInput</name>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>ProblemPractice</name>
    <message>
        <source>&#x3000;収録単語数：%1語</source>
        <extracomment>%1 is the number of words after a blank (&quot; 120&quot;).</extracomment>
        <translation>&#x3000;Words:%1</translation>
    </message>
    <message>
        <source>&#x3000;収録単語の例：</source>
        <translation>&#x3000;Examples: </translation>
    </message>
    <message>
        <source>●次の単語を入力して下さい｡</source>
        <translation>● Type the next words.</translation>
    </message>
    <message>
        <source>●次の文章を入力して下さい｡</source>
        <translation>● Type the next sentences.</translation>
    </message>
    <message>
        <source>●次の単語を入力して下さい｡&#x3000;(入力を始めた時点で時間計測が開始されます)</source>
        <translation>● Type the next words. (Timing starts with your first key.)</translation>
    </message>
    <message>
        <source>●次の文章を入力して下さい｡&#x3000;(入力を始めた時点で時間計測が開始されます)</source>
        <translation>● Type the next sentences. (Timing starts with your first key.)</translation>
    </message>
</context>
<context>
    <name>ProblemRegistration</name>
    <message>
        <source>「%1」は単語辞書(*.zrd)ではありません。</source>
        <translation>“%1” is not a word dictionary (*.zrd).</translation>
    </message>
    <message>
        <source>「%1」は短文問題(*.zrw)ではありません。</source>
        <translation>“%1” is not a sentence set (*.zrw).</translation>
    </message>
    <message>
        <source>「%1」を読み込めません。</source>
        <translation>“%1” cannot be read.</translation>
    </message>
    <message>
        <source>「%1」は問題ファイルではないか、壊れています。</source>
        <translation>“%1” is not a problem file, or it is damaged.</translation>
    </message>
    <message>
        <source>設定ファイル%1</source>
        <translation>Settings file %1</translation>
    </message>
    <message>
        <source>問題ファイルの登録が読み込まれていません。</source>
        <translation>The registered problem files have not been read.</translation>
    </message>
    <message>
        <source>設定ファイル「%1」に書き込めません。</source>
        <translation>The settings file “%1” cannot be written.</translation>
    </message>
    <message>
        <source>成績データ「%1」を書き込めません。%2</source>
        <translation>The record “%1” cannot be written. %2</translation>
    </message>
    <message>
        <source>設定ファイル「%1」も元に戻せませんでした。</source>
        <translation>The settings file “%1” could not be restored either.</translation>
    </message>
    <message>
        <source>この問題ファイルは既に登録されています。</source>
        <translation>This problem file is already registered.</translation>
    </message>
    <message>
        <source>単語練習問題の枠に空きがありません。「練習問題の構成」で枠を空けてから登録して下さい。</source>
        <translation>There is no free word practice slot. Free one in “Problem Files” first, then register the file.</translation>
    </message>
    <message>
        <source>短文練習問題の枠に空きがありません。「練習問題の構成」で枠を空けてから登録して下さい。</source>
        <translation>There is no free sentence practice slot. Free one in “Problem Files” first, then register the file.</translation>
    </message>
</context>
<context>
    <name>ReadingAnalyser</name>
    <message>
        <source>読みを付ける辞書「%1」がありません。読みを自動で付けるには、パッケージ %2 をインストールして下さい（sudo apt install %2）。</source>
        <translation>The dictionary for readings, “%1”, is missing. To add readings automatically, install the package %2 (sudo apt install %2).</translation>
    </message>
    <message>
        <source>読みを付ける辞書「%1」の文字コードが UTF-8 ではありません（%2）。パッケージ %3 の辞書を使って下さい。</source>
        <translation>The dictionary for readings, “%1”, is not in UTF-8 (%2). Use the dictionary of the package %3.</translation>
    </message>
</context>
<context>
    <name>RomajiTable</name>
    <message>
        <source>ローマ字テーブル「%1」の項目が%2を超えています。</source>
        <translation>The romaji table “%1” has more than %2 entries.</translation>
    </message>
    <message>
        <source>ローマ字テーブル%1</source>
        <translation>Romaji table %1</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>以前のバージョンの使用者データを移せませんでした。</source>
        <translation>The learners&apos; data of an earlier version could not be moved.</translation>
    </message>
    <message>
        <source>元のファイルはそのまま残してあります。</source>
        <translation>The original files have been left as they were.</translation>
    </message>
    <message>
        <source>ユーザデータ変換</source>
        <translation>Learner Data Conversion</translation>
    </message>
    <message>
        <source>データフォルダ「%1」を作れません。</source>
        <translation>The data folder “%1” cannot be created.</translation>
    </message>
    <message>
        <source>ZORVEL LESSON のデータフォルダ「%1」が見つかりません。インストールをやり直して下さい。</source>
        <translation>The ZORVEL LESSON folder “%1” cannot be found. Please install the program again.</translation>
    </message>
</context>
<context>
    <name>TrainingDrill</name>
    <message>
        <source>●次の単語を入力して下さい｡&#x3000;(入力を始めた時点で時間計測が開始されます)</source>
        <translation>● Type the next words. (Timing starts with your first key.)</translation>
    </message>
    <message>
        <source>●次の単語を入力して下さい｡</source>
        <translation>● Type the next words.</translation>
    </message>
    <message>
        <source>次の単語を、正確さを優先して慎重に入力してください。</source>
        <translation>Type the next words carefully, putting accuracy first.</translation>
    </message>
    <message>
        <source>Chapter%1 - 補習</source>
        <translation>Chapter %1 - Review</translation>
    </message>
    <message>
        <source>Chapter%1 - 練習問題 (Step%2)</source>
        <extracomment>%2 is the screen&apos;s number after a blank (&quot; 3&quot;).</extracomment>
        <translation>Chapter %1 - Practice problems (Step%2)</translation>
    </message>
    <message>
        <source>Chapter%1 - 単語練習 (Step%2)</source>
        <translation>Chapter %1 - Word drill (Step%2)</translation>
    </message>
</context>
<context>
    <name>TrainingResult</name>
    <message>
        <source>【 スペース 】</source>
        <translation>【 Space 】</translation>
    </message>
    <message>
        <source>%1キーにミスタイプはありません！素晴らしい成績です。</source>
        <translation>No mistypes on %1! An excellent result.</translation>
    </message>
    <message>
        <source>%1キーの正解率は、十分満足できる成績です。</source>
        <translation>Your accuracy on %1 is fully satisfactory.</translation>
    </message>
    <message>
        <source>%1キーの正解率は合格圏内ですが、もう少しミスタイプを減らすように練習することをお勧めします。</source>
        <translation>Your accuracy on %1 is good enough to pass, but practising to make fewer mistypes is recommended.</translation>
    </message>
    <message>
        <source>おめでとうございます！Chapter %1は合格しました。</source>
        <extracomment>%1 is the Chapter&apos;s number after a blank (&quot; 5&quot;).</extracomment>
        <translation>Congratulations! You have passed Chapter%1.</translation>
    </message>
    <message>
        <source>メインメニューから次の Chapter に進むことができます｡ </source>
        <translation>You can go on to the next Chapter from the main window.</translation>
    </message>
    <message>
        <source>%1キーの正解率が良くないため、不合格となります。</source>
        <translation>Your accuracy on %1 is not good enough, so this Chapter is not passed.</translation>
    </message>
    <message>
        <source>ホームポジション上のキーの正解率が良くありません。次の練習からはホームポジションに指をきちんと乗せるように心がけましょう。</source>
        <translation>Your accuracy on the home position keys is poor. From your next practice on, keep your fingers resting on the home position.</translation>
    </message>
    <message>
        <source>改善されないようならば、１文字入力するたびにきちんとホームポジションまで指を戻してみて下さい。入力速度は落ちますが、誤打は減るはずです。</source>
        <translation>If that does not help, bring your finger back to the home position after every character you type. You will type more slowly, but make fewer mistypes.</translation>
    </message>
    <message>
        <source>入力速度が目標値に届いていません。もう少し今の Chapter を繰り返し練習することをお勧めします。</source>
        <translation>Your speed has not reached your target. Practising the current Chapter some more is recommended.</translation>
    </message>
    <message>
        <source>入力速度が目標値におおむね届いています。この調子でがんばりましょう。</source>
        <translation>Your speed has almost reached your target. Keep it up.</translation>
    </message>
    <message>
        <source>入力速度が目標値をクリアしました。</source>
        <translation>Your speed has reached your target.</translation>
    </message>
    <message>
        <source>入力速度が目標値を大きくクリアすることができました。すばらしい成績です！</source>
        <translation>Your speed is well above your target. An excellent result!</translation>
    </message>
    <message>
        <source>目標値を余裕でクリアしていますね。もうすこし目標を上げてみませんか？</source>
        <translation>You are far above your target. Why not raise your target a little?</translation>
    </message>
    <message>
        <source>このレッスンは今回が初めての練習となります。</source>
        <translation>This is your first practice of this lesson.</translation>
    </message>
    <message>
        <source>yyyy年m月d日(aaaa)</source>
        <extracomment>A date pattern: yyyy the year, m and mm the month, d and dd the day, aaaa the weekday in Japanese; every other character is written as it is.</extracomment>
        <translation>yyyy-mm-dd</translation>
    </message>
    <message>
        <source>前回の練習日は、%1です。</source>
        <translation>Your last practice was on %1.</translation>
    </message>
    <message>
        <source>今回の正解率は %1%、入力速度は %2字/分でした。</source>
        <translation>This time your accuracy was %1% and your speed %2 chars/min.</translation>
    </message>
    <message>
        <source>今回の正解率は %1%(%2)、入力速度は %3字/分(%4)でした。</source>
        <extracomment>%2 and %4 are the changes since the last practice day (&quot;+1.5&quot;, &quot;-2&quot;).</extracomment>
        <translation>This time your accuracy was %1% (%2) and your speed %3 chars/min (%4).</translation>
    </message>
    <message>
        <source>貴方の目標値は%1 字/分です。</source>
        <translation>Your target speed is %1 chars/min.</translation>
    </message>
</context>
<context>
    <name>UserDataStartup</name>
    <message>
        <source>「%1」を「%2」にコピーできません。%3</source>
        <translation>“%1” cannot be copied to “%2”. %3</translation>
    </message>
    <message>
        <source>フォルダ「%1」を作れません。</source>
        <translation>The folder “%1” cannot be created.</translation>
    </message>
    <message>
        <source>成績データ「%1」を変換できません。%2</source>
        <translation>The record “%1” cannot be converted. %2</translation>
    </message>
    <message>
        <source>「%1」の成績データ（%2）は途中で切れていて、使用者名やコースが読めないため、変換できません。</source>
        <translation>The record of “%1” (%2) is cut short: the learner&apos;s name and course cannot be read, so it cannot be converted.</translation>
    </message>
    <message>
        <source>「%1」の成績データを変換できません。</source>
        <translation>The record of “%1” cannot be converted.</translation>
    </message>
    <message>
        <source>「%1」の成績データ（%2）を書き込めません。%3</source>
        <translation>The record of “%1” (%2) cannot be written. %3</translation>
    </message>
    <message>
        <source>元のファイルはそのまま残してあります。</source>
        <translation>The original file has been left as it was.</translation>
    </message>
    <message>
        <source>使用者：「%1」（%2）</source>
        <translation>Learner: “%1” (%2)</translation>
    </message>
    <message>
        <source>成績データのファイル（%1）を開けません。</source>
        <translation>The record file (%1) cannot be opened.</translation>
    </message>
    <message>
        <source>変換の途中で書き込みに失敗しました。</source>
        <translation>Writing failed during the conversion.</translation>
    </message>
    <message>
        <source>フォルダ「%1」に書き込めません。</source>
        <translation>The folder “%1” cannot be written.</translation>
    </message>
    <message>
        <source>ファイルはそのまま残してあります。原因を取り除いてから ZORVEL LESSON を起動し直して下さい。</source>
        <translation>The files have been left as they were. Remove the cause, then start ZORVEL LESSON again.</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File Error</translation>
    </message>
    <message>
        <source>「%1」さんのローマ字設定が、インストールされているローマ字テーブル（%2）と一致しません。</source>
        <translation>The romaji spellings of %1 do not match the installed romaji table (%2).</translation>
    </message>
    <message>
        <source>ローマ字設定を今のテーブルに合わせて作り直しますか？成績と、選んであるローマ字の読み方はそのまま残ります。</source>
        <translation>Rebuild the romaji spellings to match the current table? The scores and the spellings you chose are kept.</translation>
    </message>
    <message>
        <source>「いいえ」を選ぶと、何も変更せずに ZORVEL LESSON を終了します。</source>
        <translation>Choosing “No” ends ZORVEL LESSON without changing anything.</translation>
    </message>
    <message>
        <source>ローマ字設定の不一致</source>
        <translation>Romaji Spellings Do Not Match</translation>
    </message>
    <message>
        <source>「%1」さんの成績データを書き込めません。%2</source>
        <translation>The record of %1 cannot be written. %2</translation>
    </message>
    <message>
        <source>ユーザデータ変換</source>
        <translation>Learner Data Conversion</translation>
    </message>
    <message>
        <source>これまでの成績データをこのバージョンのＺＲで使えるように変換しました。</source>
        <translation>The records have been converted for this version of ZORVEL LESSON.</translation>
    </message>
    <message>
        <source>ローマ字入力コースの場合、ローマ字設定が初期状態に戻されていますので再設定をお願いします。</source>
        <translation>In the romaji input course the romaji spellings have been reset to their defaults; please choose them again.</translation>
    </message>
    <message>
        <source>成績データ変換完了</source>
        <translation>Records Converted</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>このファイルは書き換えずに、既定の設定で続けます。</source>
        <translation>The file is left unchanged; the program goes on with the default settings.</translation>
    </message>
    <message>
        <source>設定ファイルエラー</source>
        <translation>Settings File Error</translation>
    </message>
    <message>
        <source>「%1」は名前に改行などの制御文字を含むため登録できません。ファイル名を変えてから登録して下さい。</source>
        <translation>“%1” cannot be registered: its name contains a line break or another control character. Rename the file, then register it.</translation>
    </message>
    <message>
        <source>「%1」は名前に改行などの制御文字を含むため選択できません。ファイル名を変えてから選択して下さい。</source>
        <translation>“%1” cannot be chosen: its name contains a line break or another control character. Rename the file, then choose it.</translation>
    </message>
    <message>
        <source>「%1」は名前に「\」を含むため登録できません。ファイル名を変えてから登録して下さい。</source>
        <translation>“%1” cannot be registered: its name contains “\”. Rename the file, then register it.</translation>
    </message>
    <message>
        <source>「%1」は名前に「\」を含むため選択できません。ファイル名を変えてから選択して下さい。</source>
        <translation>“%1” cannot be chosen: its name contains “\”. Rename the file, then choose it.</translation>
    </message>
    <message>
        <source>「%1」は名前に Shift-JIS で表せない文字を含むため登録できません。ファイル名やフォルダ名を変えてから登録して下さい。</source>
        <translation>“%1” cannot be registered: its name contains characters that Shift-JIS cannot represent. Rename the file or its folders, then register it.</translation>
    </message>
    <message>
        <source>「%1」は名前に Shift-JIS で表せない文字を含むため選択できません。ファイル名やフォルダ名を変えてから選択して下さい。</source>
        <translation>“%1” cannot be chosen: its name contains characters that Shift-JIS cannot represent. Rename the file or its folders, then choose it.</translation>
    </message>
    <message>
        <source>「%1」はパスが長すぎるため登録できません。</source>
        <translation>“%1” cannot be registered: its path is too long.</translation>
    </message>
    <message>
        <source>「%1」はパスが長すぎるため選択できません。</source>
        <translation>“%1” cannot be chosen: its path is too long.</translation>
    </message>
</context>
<context>
    <name>UserSummary</name>
    <message>
        <source>%1分</source>
        <translation>%1 min</translation>
    </message>
    <message numerus="yes">
        <source>%1回</source>
        <extracomment>The count follows a blank, as the other figures of the form do.</extracomment>
        <translation>
            <numerusform>%1 time</numerusform>
            <numerusform>%1 times</numerusform>
        </translation>
    </message>
    <message>
        <source>%1字/分</source>
        <translation>%1 chars/min</translation>
    </message>
    <message>
        <source>新しいキーの学習</source>
        <translation>New keys</translation>
    </message>
    <message>
        <source>単語練習</source>
        <translation>Word drill</translation>
    </message>
    <message>
        <source>学習したキー全て</source>
        <translation>All keys learned</translation>
    </message>
</context>
<context>
    <name>Users</name>
    <message>
        <source>成績データ「%1」は一部が壊れていて最後まで読めなかったため、上書きする前に控えを残そうとしましたが、できませんでした。</source>
        <translation>The record “%1” is partly damaged and could not be read to its end. A copy was to be kept before overwriting it, but that failed.</translation>
    </message>
    <message>
        <source>元のファイルはそのまま残してあります。</source>
        <translation>The original file has been left as it was.</translation>
    </message>
    <message>
        <source>成績データ（%1）は一部が壊れていて、最後まで読み込めませんでした。</source>
        <translation>The record (%1) is partly damaged and could not be read to its end.</translation>
    </message>
    <message>
        <source>「%1」さんの成績データ（%2）は一部が壊れていて、最後まで読み込めませんでした。</source>
        <translation>The record of %1 (%2) is partly damaged and could not be read to its end.</translation>
    </message>
    <message>
        <source>読み込めた分を保存する前に、元のファイルを次の名前で残しました。</source>
        <translation>Before saving what could be read, the original file was kept under this name:</translation>
    </message>
    <message>
        <source>成績データの控え</source>
        <translation>Copy of the Record</translation>
    </message>
    <message>
        <source>成績データのファイル（user.dat）がありません。</source>
        <translation>The record file (user.dat) is missing.</translation>
    </message>
    <message>
        <source>成績データのファイル（user.dat）を開けません。</source>
        <translation>The record file (user.dat) cannot be opened.</translation>
    </message>
    <message>
        <source>成績データのファイル（user.dat）が途中で切れていて、使用者名やコースが読めません。</source>
        <translation>The record file (user.dat) is cut short: the learner&apos;s name and course cannot be read.</translation>
    </message>
    <message>
        <source>成績データが古い形式のまま、変換されていません。</source>
        <translation>The record is still in an old format and has not been converted.</translation>
    </message>
    <message>
        <source>成績データのファイル（user.dat）の形式が分かりません。</source>
        <translation>The format of the record file (user.dat) is unknown.</translation>
    </message>
    <message>
        <source>成績データに使用者名がありません。</source>
        <translation>The record has no learner name.</translation>
    </message>
    <message>
        <source>成績データの入力コースが正しくありません。</source>
        <translation>The record&apos;s input course is not valid.</translation>
    </message>
    <message>
        <source>成績データの基本練習の進捗度が正しくありません。</source>
        <translation>The record&apos;s basic practice progress is not valid.</translation>
    </message>
    <message>
        <source>成績データの中に、時間や日付として正しくない値があります。</source>
        <translation>The record holds values that are not valid times or dates.</translation>
    </message>
    <message>
        <source>使用者フォルダ「%1」を作れません。</source>
        <translation>The learner folder “%1” cannot be created.</translation>
    </message>
    <message>
        <source>設定ファイル「%1」を書き換えられません。</source>
        <translation>The settings file “%1” cannot be replaced.</translation>
    </message>
    <message>
        <source>設定ファイル「%1」に書き込めません。</source>
        <translation>The settings file “%1” cannot be written.</translation>
    </message>
    <message>
        <source>成績データ「%1」を書き込めません。%2</source>
        <translation>The record “%1” cannot be written. %2</translation>
    </message>
    <message>
        <source>フォルダ「%1」を削除できません。</source>
        <translation>The folder “%1” cannot be deleted.</translation>
    </message>
    <message>
        <source>「%1」の使用者データを削除します。</source>
        <translation>The learner data of “%1” will be deleted.</translation>
    </message>
    <message>
        <source>よろしいですか？</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>削除の確認</source>
        <translation>Confirm Deletion</translation>
    </message>
    <message>
        <source>使用者データを削除できませんでした。</source>
        <translation>The learner data could not be deleted.</translation>
    </message>
</context>
<context>
    <name>WeakKeyLauncher</name>
    <message>
        <source>弱点練習</source>
        <translation>Weak-Key Practice</translation>
    </message>
    <message>
        <source>弱点練習は、直近%1日間に%2回以上打った、学習したキーのうち正解率の低いキーをねらって練習します。</source>
        <translation>Weak-key practice aims at the keys, among those you have learned and typed at least %2 times in the last %1 days, with the lowest accuracy.</translation>
    </message>
    <message>
        <source>まだ判定できるキーがありません。先に基本練習の Chapter や単語練習問題で練習してから、もう一度選んでください。</source>
        <translation>No key can be judged yet. Practise some Chapters of basic practice or some word practice first, then choose it again.</translation>
    </message>
    <message>
        <source>学習したキーが分からないため、弱点練習を始められません。</source>
        <translation>The keys you have learned are not known, so weak-key practice cannot start.</translation>
    </message>
    <message>
        <source>練習記録を読めないため、弱点練習を始められません（%1）。</source>
        <translation>The practice log cannot be read, so weak-key practice cannot start (%1).</translation>
    </message>
    <message>
        <source>学習したキーだけで打てる単語のうち、苦手なキーを含むものが辞書にないため、弱点練習を始められません。</source>
        <translation>The dictionary has no word that contains your weak keys and can be typed with the keys you have learned alone, so weak-key practice cannot start.</translation>
    </message>
    <message>
        <source>基本練習を進めると、使える単語が増えます。</source>
        <translation>As you go on in basic practice, more words can be used.</translation>
    </message>
</context>
<context>
    <name>WeakKeyPractice</name>
    <message>
        <source>正解なし</source>
        <translation>none right</translation>
    </message>
    <message>
        <source>今回は入力なし</source>
        <translation>not typed this time</translation>
    </message>
    <message>
        <source>弱点練習【%1】</source>
        <extracomment>%1: the keys aimed at, as &quot;ｆ・ｊ&quot;.</extracomment>
        <translation>Weak-Key Practice 【%1】</translation>
    </message>
    <message>
        <source>&#x3000;ねらったキーの正解率（直近%1日間 → 今回）：</source>
        <translation>&#x3000;Accuracy on the keys aimed at (last %1 days → this time):</translation>
    </message>
    <message>
        <source>&#x3000;%1 %2 → %3</source>
        <extracomment>%1 the key, %2 its accuracy before, %3 in this run.</extracomment>
        <translation>&#x3000;%1 %2 → %3</translation>
    </message>
</context>
<context>
    <name>ZRSub</name>
    <message>
        <source>ローマ字入力コース</source>
        <translation>Romaji input course</translation>
    </message>
    <message>
        <source>JIS仮名入力コース</source>
        <translation>JIS kana input course</translation>
    </message>
    <message>
        <source>練習時間 %1分%2秒</source>
        <translation>Practice time %1 min %2 s</translation>
    </message>
</context>
<context>
    <name>zr::AboutFrm</name>
    <message>
        <source>バージョン情報</source>
        <translation>About ZORVEL LESSON</translation>
    </message>
    <message>
        <source>バージョン %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>日本語の文章をタッチタイプで入力できるようになるための練習ソフトです。ローマ字入力と JIS 仮名入力の二つのコースがあり、基本練習の Chapter を一つずつ合格しながら、キーの位置ではなく単語そのものを指に覚えさせます。単語練習問題と短文練習問題で、速さと正確さを仕上げます。</source>
        <translation>A practice program for touch-typing Japanese text. It has two courses, romaji input and JIS kana input: passing the Chapters of basic practice one by one, your fingers learn whole words rather than key positions. Word practice and sentence practice then polish your speed and accuracy.</translation>
    </message>
</context>
<context>
    <name>zr::ConversionProgressFrm</name>
    <message>
        <source>ユーザデータ変換中</source>
        <translation>Converting Learner Data</translation>
    </message>
    <message>
        <source>変換中：%1</source>
        <translation>Converting: %1</translation>
    </message>
</context>
<context>
    <name>zr::DayHistoryPicture</name>
    <message>
        <source>%1字/分</source>
        <translation>%1 cpm</translation>
    </message>
</context>
<context>
    <name>zr::GuideLine</name>
    <message>
        <source>読み</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>入力キー</source>
        <translation>Keys to type</translation>
    </message>
</context>
<context>
    <name>zr::HeatLegend</name>
    <message>
        <source>%1回未満（判定しません）</source>
        <translation>Fewer than %1 presses (not judged)</translation>
    </message>
    <message>
        <source>記録なし</source>
        <translation>No record</translation>
    </message>
    <message>
        <source>正解率 %1%</source>
        <translation>Accuracy %1%</translation>
    </message>
    <message>
        <source>%1%以下</source>
        <translation>%1% or less</translation>
    </message>
    <message>
        <source>キーの数字は、期間中の正解率（%）です。</source>
        <translation>The figure on each key is its accuracy (%) over the period.</translation>
    </message>
    <message>
        <source>平均 %1ミリ秒（最速）</source>
        <translation>Average %1 ms (fastest)</translation>
    </message>
    <message>
        <source>%1ミリ秒（最遅）</source>
        <translation>%1 ms (slowest)</translation>
    </message>
    <message>
        <source>平均時間：速い</source>
        <translation>Average time: fast</translation>
    </message>
    <message>
        <source>遅い</source>
        <translation>slow</translation>
    </message>
    <message>
        <source>キーの数字は、期間中に正しく打ったときの平均時間（ミリ秒）です。</source>
        <translation>The figure on each key is its average time (ms) when typed correctly over the period.</translation>
    </message>
</context>
<context>
    <name>zr::HelpFrm</name>
    <message>
        <source>ZORVEL LESSON ヘルプ</source>
        <translation>ZORVEL LESSON Help</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
</context>
<context>
    <name>zr::IniSetFrm</name>
    <message>
        <source>練習問題の構成</source>
        <translation>Problem Files</translation>
    </message>
    <message>
        <source>設定ファイルを読み込めません。</source>
        <translation>The settings file cannot be read.</translation>
    </message>
    <message>
        <source>ファイル名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>解除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>単語練習問題</source>
        <translation>Word practice</translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation>Sentence practice</translation>
    </message>
    <message>
        <source>自分で作った問題ファイルは「%1」に置いて登録できます。</source>
        <translation>Problem files you made yourself can be put in “%1” and registered.</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>文章から作る(&amp;T)...</source>
        <translation>Make from &amp;Text...</translation>
    </message>
    <message>
        <source>問題ファイルの登録</source>
        <translation>Register a Problem File</translation>
    </message>
    <message>
        <source>単語辞書 (*.zrd)</source>
        <translation>Word dictionaries (*.zrd)</translation>
    </message>
    <message>
        <source>短文問題 (*.zrw)</source>
        <translation>Sentence sets (*.zrw)</translation>
    </message>
    <message>
        <source>この問題ファイルは既に登録されています。</source>
        <translation>This problem file is already registered.</translation>
    </message>
    <message>
        <source>登録の中止</source>
        <translation>Registration Cancelled</translation>
    </message>
    <message>
        <source>このファイルを登録から外します。よろしいですか？</source>
        <translation>This file will be removed from the registered problem files. Are you sure?</translation>
    </message>
    <message>
        <source>問題ファイルの解除</source>
        <translation>Remove a Problem File</translation>
    </message>
    <message>
        <source>問題ファイルの登録が分からないため、「練習問題の構成」を開けません。設定ファイルを読めるようにしてから、もう一度開いて下さい。</source>
        <translation>“Problem Files” cannot be opened, because the registered problem files are not known. Make the settings file readable, then open it again.</translation>
    </message>
</context>
<context>
    <name>zr::KeyGraphPicture</name>
    <message>
        <source>ｽﾍﾟｰｽ</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>%1打/秒</source>
        <translation>%1 keys/s</translation>
    </message>
</context>
<context>
    <name>zr::KeyLsnFrm</name>
    <message>
        <source>Chapter %1 - キー位置の確認</source>
        <extracomment>%1 is the Chapter&apos;s number after a blank (&quot; 5&quot;).</extracomment>
        <translation>Chapter%1 - Key position check</translation>
    </message>
    <message>
        <source>ＯＫです。単語練習に進みましょう。</source>
        <translation>Well done. Now go on to the word drill.</translation>
    </message>
    <message>
        <source>キー練習終了</source>
        <translation>Key Practice Finished</translation>
    </message>
</context>
<context>
    <name>zr::MainFrm</name>
    <message>
        <source>使用者：「%1」（%2）</source>
        <translation>Learner: “%1” (%2)</translation>
    </message>
    <message>
        <source>この利用者データは、内容の一部が破壊されていて使用することができません。</source>
        <translation>This learner&apos;s data is partly destroyed and cannot be used.</translation>
    </message>
    <message>
        <source>このデータを削除します。宜しいですか？</source>
        <translation>This data will be deleted. Are you sure?</translation>
    </message>
    <message>
        <source>不良なデータを発見</source>
        <translation>Damaged Data Found</translation>
    </message>
    <message>
        <source>削除が完了致しました。ZORVEL LESSON を一度終了しますので、再度起動させて下さい。</source>
        <translation>The data has been deleted. ZORVEL LESSON will now close; please start it again.</translation>
    </message>
    <message>
        <source>削除完了</source>
        <translation>Deleted</translation>
    </message>
    <message>
        <source>使用者データを削除できませんでした。</source>
        <translation>The learner data could not be deleted.</translation>
    </message>
    <message>
        <source>削除エラー</source>
        <translation>Deletion Error</translation>
    </message>
    <message>
        <source>削除を中止しましたが、このデータを使うことはできません。</source>
        <translation>Deletion was cancelled, but this data cannot be used.</translation>
    </message>
    <message>
        <source>成績データを使用できません</source>
        <translation>The Record Cannot Be Used</translation>
    </message>
    <message>
        <source>基本練習の一覧を表示できません。</source>
        <translation>The list of basic practice cannot be shown.</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File Error</translation>
    </message>
    <message>
        <source>ヘルプファイル「%1」が見つかりません。</source>
        <translation>The help file “%1” cannot be found.</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>使用者の切替(&amp;C)</source>
        <translation>&amp;Change Learner</translation>
    </message>
    <message>
        <source>使用者の新規登録(&amp;N)</source>
        <translation>&amp;New Learner...</translation>
    </message>
    <message>
        <source>現在の使用者データを削除(&amp;D)</source>
        <translation>&amp;Delete Current Learner...</translation>
    </message>
    <message>
        <source>文章から練習問題を作る(&amp;T)...</source>
        <translation>Make Problems from &amp;Text...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>レッスン(&amp;L)</source>
        <translation>&amp;Lesson</translation>
    </message>
    <message>
        <source>レッスン開始(&amp;S)...</source>
        <translation>&amp;Start Lesson...</translation>
    </message>
    <message>
        <source>成績一覧(&amp;V)...</source>
        <translation>S&amp;cores...</translation>
    </message>
    <message>
        <source>ランキング(&amp;R)</source>
        <translation>&amp;Ranking</translation>
    </message>
    <message>
        <source>基本練習</source>
        <translation>Basic practice</translation>
    </message>
    <message>
        <source>単語練習問題</source>
        <translation>Word practice</translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation>Sentence practice</translation>
    </message>
    <message>
        <source>使用者情報</source>
        <translation>Learner information</translation>
    </message>
    <message>
        <source>設定(&amp;C)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>練習問題の構成(&amp;W)...</source>
        <translation>Problem &amp;Files...</translation>
    </message>
    <message>
        <source>ユーザ設定(&amp;U)...</source>
        <translation>&amp;Learner Settings...</translation>
    </message>
    <message>
        <source>ローマ字設定(&amp;R)...</source>
        <translation>&amp;Romaji Spellings...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>言語 (Language)(&amp;G)</source>
        <translation>Language (言語)(&amp;G)</translation>
    </message>
    <message>
        <source>デスクトップに合わせる</source>
        <translation>Follow the Desktop</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About ZORVEL LESSON...</translation>
    </message>
    <message>
        <source>右クリック</source>
        <translation>Right click</translation>
    </message>
    <message>
        <source>レッスン開始</source>
        <translation>Start Lesson</translation>
    </message>
    <message>
        <source>成績一覧</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>使用者の切替</source>
        <translation>Change Learner</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>レッスン内容</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>構成</source>
        <translation>Set-up</translation>
    </message>
    <message>
        <source>カウンタ</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>練習時間</source>
        <translation>Practice time</translation>
    </message>
    <message>
        <source>最終練習日</source>
        <translation>Last practice</translation>
    </message>
    <message>
        <source>レッスンNo</source>
        <translation>Lesson No.</translation>
    </message>
    <message>
        <source>対象キー</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>使用者</source>
        <translation>Learner</translation>
    </message>
    <message>
        <source>使用者名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>基本練習の進捗度</source>
        <translation>Basic practice progress</translation>
    </message>
    <message>
        <source>入力方式</source>
        <translation>Input method</translation>
    </message>
    <message>
        <source>累計練習時間</source>
        <translation>Total practice time</translation>
    </message>
    <message>
        <source>レッスン学習回数</source>
        <translation>Lessons practised</translation>
    </message>
    <message>
        <source>総合成績（基本練習を除く）</source>
        <translation>Overall Results (Without Basic Practice)</translation>
    </message>
    <message>
        <source>平均正解率（％）</source>
        <translation>Average accuracy (%)</translation>
    </message>
    <message>
        <source>平均入力速度(字/分)</source>
        <translation>Average speed (chars/min)</translation>
    </message>
    <message>
        <source>練習記録のエクスポート…</source>
        <translation>Export Practice Log…</translation>
    </message>
    <message>
        <source>上達グラフ(&amp;G)</source>
        <translation>&amp;Progress</translation>
    </message>
    <message>
        <source>弱点練習(&amp;W)</source>
        <translation>&amp;Weak-Key Practice</translation>
    </message>
    <message>
        <source>上達グラフ</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>弱点練習</source>
        <translation>Weak Keys</translation>
    </message>
</context>
<context>
    <name>zr::ProblemDialogFrm</name>
    <message>
        <source>問題ファイル「%1」が見つからないため、練習を始められません。</source>
        <translation>The problem file “%1” cannot be found, so the practice cannot start.</translation>
    </message>
    <message>
        <source>単語練習問題</source>
        <translation>Word Practice</translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation>Sentence Practice</translation>
    </message>
</context>
<context>
    <name>zr::ProblemPracticeFrm</name>
    <message>
        <source>単語練習問題</source>
        <translation>Word Practice</translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation>Sentence Practice</translation>
    </message>
    <message>
        <source>問題文を作成中です...</source>
        <translation>Preparing the problems...</translation>
    </message>
    <message>
        <source>問題ファイル「%1」が見つからないため、練習を始められません。</source>
        <translation>The problem file “%1” cannot be found, so the practice cannot start.</translation>
    </message>
    <message>
        <source>問題ファイル「%1」には入力できる単語がないため、練習を始められません。</source>
        <translation>The problem file “%1” has no words that can be typed, so the practice cannot start.</translation>
    </message>
    <message>
        <source>問題ファイル「%1」の問題 1～12 には入力できる文章がないため、練習を始められません。</source>
        <translation>Problems 1 to 12 of the problem file “%1” have no sentences that can be typed, so the practice cannot start.</translation>
    </message>
    <message>
        <source>エラー &apos;%1&apos;キー</source>
        <translation>Error: &apos;%1&apos; key</translation>
    </message>
    <message>
        <source>問題文</source>
        <translation>Problem text</translation>
    </message>
    <message>
        <source>入力した文字</source>
        <translation>Typed text</translation>
    </message>
</context>
<context>
    <name>zr::ProblemScoreFrm</name>
    <message>
        <source>成績を保存できませんでした。</source>
        <translation>Your scores could not be saved.</translation>
    </message>
    <message>
        <source>単語練習問題</source>
        <translation>Word Practice</translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation>Sentence Practice</translation>
    </message>
</context>
<context>
    <name>zr::ProgressFrm</name>
    <message>
        <source>上達グラフ</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>速度と正解率の推移(&amp;1)</source>
        <translation>Speed and Accuracy (&amp;1)</translation>
    </message>
    <message>
        <source>キーごとの成績(&amp;2)</source>
        <translation>Results by Key (&amp;2)</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>表示する練習(&amp;P)：</source>
        <translation>&amp;Practice shown:</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>日ごと</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>週ごと</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>月ごと</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>点の単位(&amp;U)：</source>
        <translation>&amp;Group by:</translation>
    </message>
    <message>
        <source>入力速度（字/分）</source>
        <translation>Speed (chars/min)</translation>
    </message>
    <message>
        <source>正解率（%）</source>
        <translation>Accuracy (%)</translation>
    </message>
    <message>
        <source>目標速度 %1字/分</source>
        <translation>Target %1 chars/min</translation>
    </message>
    <message>
        <source>字/分</source>
        <translation>chars/min</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>速度と正解率のグラフ（←→キーで点を選びます）</source>
        <translation>Graph of speed and accuracy (the ← and → keys choose a point)</translation>
    </message>
    <message>
        <source>正解率(&amp;A)</source>
        <translation>&amp;Accuracy</translation>
    </message>
    <message>
        <source>平均打鍵時間(&amp;T)</source>
        <translation>Average key &amp;time</translation>
    </message>
    <message>
        <source>直近7日間</source>
        <translation>Last 7 days</translation>
    </message>
    <message>
        <source>直近30日間</source>
        <translation>Last 30 days</translation>
    </message>
    <message>
        <source>すべての期間</source>
        <translation>All time</translation>
    </message>
    <message>
        <source>期間(&amp;D)：</source>
        <translation>Perio&amp;d:</translation>
    </message>
    <message>
        <source>苦手なキー</source>
        <translation>Weak keys</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Presses</translation>
    </message>
    <message>
        <source>正解率</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>平均時間</source>
        <translation>Average time</translation>
    </message>
    <message>
        <source>色分け：</source>
        <translation>Colours:</translation>
    </message>
    <message>
        <source>使用者が選ばれていません。</source>
        <translation>No learner is chosen.</translation>
    </message>
    <message>
        <source>練習記録「%1」を読めません（%2）。</source>
        <translation>The practice log “%1” cannot be read (%2).</translation>
    </message>
    <message>
        <source>すべての練習</source>
        <translation>All practice</translation>
    </message>
    <message>
        <source>基本練習（すべての Chapter）</source>
        <translation>Basic practice (all Chapters)</translation>
    </message>
    <message>
        <source>単語練習問題（すべて）</source>
        <translation>Word practice (all)</translation>
    </message>
    <message>
        <source>短文練習問題（すべて）</source>
        <translation>Sentence practice (all)</translation>
    </message>
    <message>
        <source>弱点練習</source>
        <translation>Weak-key practice</translation>
    </message>
    <message>
        <source>単語：%1</source>
        <translation>Words: %1</translation>
    </message>
    <message>
        <source>短文：%1</source>
        <translation>Sentences: %1</translation>
    </message>
    <message>
        <source>まだ練習の記録がありません。
基本練習や単語練習問題で練習すると、ここに入力速度と正解率の移り変わりが表示されます。</source>
        <translation>There is no practice log yet.
Once you practise in basic practice or word practice, your speed and accuracy over time are shown here.</translation>
    </message>
    <message>
        <source>練習記録を読めません（%1）。</source>
        <translation>The practice log cannot be read (%1).</translation>
    </message>
    <message>
        <source>この練習の記録はまだありません。
練習すると、ここに入力速度と正解率の移り変わりが表示されます。</source>
        <translation>There is no record of this practice yet.
Once you practise it, your speed and accuracy over time are shown here.</translation>
    </message>
    <message>
        <source>自動（%1）</source>
        <translation>Automatic (%1)</translation>
    </message>
    <message>
        <source>yyyy/mm/dd(aaa)</source>
        <extracomment>A date pattern: yyyy the year, m and mm the month, d and dd the day, aaa the weekday in Japanese; every other character is written as it is.</extracomment>
        <translation>yyyy-mm-dd</translation>
    </message>
    <message>
        <source>%1 からの週</source>
        <translation>Week from %1</translation>
    </message>
    <message>
        <source>yyyy年m月</source>
        <extracomment>A month&apos;s pattern: yyyy the year, m and mm the month.</extracomment>
        <translation>yyyy-mm</translation>
    </message>
    <message>
        <source>%1&#x3000;入力速度 %2字/分&#x3000;正解率 %3%&#x3000;練習時間 %4分</source>
        <extracomment>%1 the day, week or month; %2 the speed; %3 the accuracy; %4 the practice time.</extracomment>
        <translation>%1   Speed %2 chars/min   Accuracy %3%   Practice time %4 min</translation>
    </message>
    <message>
        <source>正解なし</source>
        <translation>none right</translation>
    </message>
    <message>
        <source>%1ミリ秒</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>この期間に%1回以上打った、学習したキーのうち正解率の低い順です（同じ正解率なら平均時間の長い順）。弱点練習は直近%2日間の苦手なキーをねらいます。</source>
        <translation>The keys you have learned and typed at least %1 times in this period, lowest accuracy first (at equal accuracy, longest average time first). Weak-key practice aims at the weak keys of the last %2 days.</translation>
    </message>
    <message>
        <source>まだ判定できるキーがありません。</source>
        <translation>No key can be judged yet.</translation>
    </message>
</context>
<context>
    <name>zr::ResultWindow</name>
    <message>
        <source>今回の成績</source>
        <translation>Your Results</translation>
    </message>
    <message>
        <source>誤打無し</source>
        <translation>No mistypes</translation>
    </message>
    <message>
        <source>良好</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>要練習</source>
        <translation>Practise more</translation>
    </message>
    <message>
        <source>不合格</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>正解率グラフ</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>入力速度グラフ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>練習日</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>アドバイス</source>
        <translation>Advice</translation>
    </message>
    <message>
        <source>各キーの成績</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>成績の推移</source>
        <translation>History</translation>
    </message>
    <message>
        <source>＜前の画面</source>
        <translation>&lt; Previous</translation>
    </message>
    <message>
        <source>次の画面＞</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>メニューに戻る</source>
        <translation>Back to Menu</translation>
    </message>
</context>
<context>
    <name>zr::RmjCustFrm</name>
    <message>
        <source>ローマ字設定</source>
        <translation>Romaji Spellings</translation>
    </message>
    <message>
        <source>清音</source>
        <translation>Plain sounds</translation>
    </message>
    <message>
        <source>濁音と拗音</source>
        <translation>Voiced and contracted sounds</translation>
    </message>
    <message>
        <source>小さい文字</source>
        <translation>Small kana</translation>
    </message>
    <message>
        <source>促音</source>
        <translation>Double consonants</translation>
    </message>
    <message>
        <source>連動</source>
        <translation>Together</translation>
    </message>
    <message>
        <source>この行のボタンをまとめて切り替えます</source>
        <translation>Switches all the buttons of this row together</translation>
    </message>
    <message>
        <source>ボタンを押すと、もう一方の綴りに切り替わります。</source>
        <translation>Press a button to switch to its other spelling.</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>設定のクリア</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>すべての綴りを、インストール時のローマ字表の綴りに戻します</source>
        <translation>Sets every spelling back to the romaji table&apos;s spelling as installed</translation>
    </message>
    <message>
        <source>成績データ「%1」を書き込めません。%2</source>
        <translation>The record “%1” cannot be written. %2</translation>
    </message>
</context>
<context>
    <name>zr::ScoreViewFrm</name>
    <message>
        <source>成績一覧</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>レッスン</source>
        <translation>Lessons</translation>
    </message>
    <message>
        <source>練習日</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>正解率グラフ</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>入力速度グラフ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>累計練習時間</source>
        <translation>Total practice time</translation>
    </message>
    <message>
        <source>練習回数</source>
        <translation>Practice count</translation>
    </message>
    <message>
        <source>最後の練習日</source>
        <translation>Last practice day</translation>
    </message>
    <message>
        <source>平均正解率</source>
        <translation>Average accuracy</translation>
    </message>
    <message>
        <source>平均入力速度</source>
        <translation>Average speed</translation>
    </message>
    <message>
        <source>成績履歴</source>
        <translation>History</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>基本練習</source>
        <translation>Basic practice</translation>
    </message>
    <message>
        <source>単語練習問題</source>
        <translation>Word practice</translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation>Sentence practice</translation>
    </message>
</context>
<context>
    <name>zr::TextProblemFrm</name>
    <message>
        <source>文章から練習問題を作る</source>
        <translation>Make Problems from Text</translation>
    </message>
    <message>
        <source>Shift-JIS で表せない文字があります。文を直してから作り直して下さい。</source>
        <translation>There are characters that Shift-JIS cannot represent. Correct the sentence, then make the problems again.</translation>
    </message>
    <message>
        <source>読みの分からない語があります。読みをひらがなで入力して下さい。</source>
        <translation>There are words whose reading is not known. Type their reading in hiragana.</translation>
    </message>
    <message>
        <source>読みはひらがな、長音記号と句読点で入力して下さい。</source>
        <translation>Type the reading in hiragana, with the long vowel mark and punctuation only.</translation>
    </message>
    <message>
        <source>単語辞書(&amp;W)</source>
        <translation>&amp;Word dictionary</translation>
    </message>
    <message>
        <source>短文問題(&amp;S)</source>
        <translation>&amp;Sentence set</translation>
    </message>
    <message>
        <source>ファイルを開く(&amp;O)...</source>
        <translation>&amp;Open File...</translation>
    </message>
    <message>
        <source>ここに文章を貼り付けるか、UTF-8 のテキストファイルを開いて下さい。</source>
        <translation>Paste a text here, or open a UTF-8 text file.</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>表示する文</source>
        <translation>Shown text</translation>
    </message>
    <message>
        <source>読み</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>空欄ならタイトルから付けます</source>
        <translation>Taken from the title when left empty</translation>
    </message>
    <message>
        <source>保存先: %1</source>
        <translation>Saved in: %1</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>作るもの:</source>
        <translation>Make:</translation>
    </message>
    <message>
        <source>文章(&amp;T):</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>問題と読み(&amp;R):（読みのセルを選んで入力すると直せます）</source>
        <translation>Problems and &amp;readings: (select a reading cell and type to correct it)</translation>
    </message>
    <message>
        <source>タイトル(&amp;N):</source>
        <translation>Title (&amp;N):</translation>
    </message>
    <message>
        <source>説明(&amp;D):</source>
        <translation>&amp;Description:</translation>
    </message>
    <message>
        <source>ファイル名(&amp;F):</source>
        <translation>&amp;File name:</translation>
    </message>
    <message>
        <source>要入力</source>
        <translation>Needs reading</translation>
    </message>
    <message>
        <source>%1 語</source>
        <translation>%1 words</translation>
    </message>
    <message>
        <source>単語辞書は %1 語までです。</source>
        <translation>A word dictionary holds at most %1 words.</translation>
    </message>
    <message>
        <source>%1 問、%2 行</source>
        <translation>%1 problems, %2 lines</translation>
    </message>
    <message>
        <source>短文問題は %1 問までです。</source>
        <translation>A sentence set holds at most %1 problems.</translation>
    </message>
    <message>
        <source>読みを入力する行: %1</source>
        <translation>Lines needing a reading: %1</translation>
    </message>
    <message>
        <source>読みを調べています…</source>
        <translation>Looking up readings…</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>   </translation>
    </message>
    <message>
        <source>文章のファイルを開く</source>
        <translation>Open a Text File</translation>
    </message>
    <message>
        <source>テキスト (*.txt);;すべてのファイル (*)</source>
        <translation>Text (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>「%1」を読み込めません。</source>
        <translation>“%1” cannot be read.</translation>
    </message>
    <message>
        <source>「%1」は UTF-8 のテキストではありません。</source>
        <translation>“%1” is not UTF-8 text.</translation>
    </message>
    <message>
        <source>練習問題にする文章がありません。</source>
        <translation>There is no text to make problems from.</translation>
    </message>
    <message>
        <source>タイトルを入力して下さい。タイトルは練習問題の一覧に出ます。</source>
        <translation>Enter a title. The title is shown in the list of practice problems.</translation>
    </message>
    <message>
        <source>タイトルか説明に Shift-JIS で表せない文字があります。</source>
        <translation>The title or the description has characters that Shift-JIS cannot represent.</translation>
    </message>
    <message>
        <source>「要入力」の行が %1 行あります。</source>
        <translation>%1 line(s) are marked “Needs reading”.</translation>
    </message>
    <message>
        <source>%1 行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>単語辞書に入る単語は %1 語までです（今は %2 語）。</source>
        <translation>A word dictionary holds at most %1 words (now %2).</translation>
    </message>
    <message>
        <source>短文問題に入る問題は %1 問までです（今は %2 問）。文章を短くして下さい。</source>
        <translation>A sentence set holds at most %1 problems (now %2). Shorten the text.</translation>
    </message>
    <message>
        <source>ファイル名に使える文字がありません。ファイル名を入力して下さい。</source>
        <translation>The file name has no usable characters. Enter a file name.</translation>
    </message>
    <message>
        <source>「%1」は既にあります。置き換えますか？</source>
        <translation>“%1” already exists. Replace it?</translation>
    </message>
    <message>
        <source>保存できません。</source>
        <translation>The file cannot be saved.</translation>
    </message>
    <message>
        <source>「%1」に書き込めません。</source>
        <translation>“%1” cannot be written.</translation>
    </message>
    <message>
        <source>「%1」に保存しました。</source>
        <translation>Saved as “%1”.</translation>
    </message>
    <message>
        <source>空いている枠に登録しますか？</source>
        <translation>Register it in a free slot?</translation>
    </message>
    <message>
        <source>単語練習問題の %1 番に入れました。「練習問題の構成」の OK で登録されます。</source>
        <translation>Put in word practice slot %1. It is registered when you press OK in “Problem Files”.</translation>
    </message>
    <message>
        <source>短文練習問題の %1 番に入れました。「練習問題の構成」の OK で登録されます。</source>
        <translation>Put in sentence practice slot %1. It is registered when you press OK in “Problem Files”.</translation>
    </message>
    <message>
        <source>単語練習問題の %1 番に登録しました。</source>
        <translation>Registered in word practice slot %1.</translation>
    </message>
    <message>
        <source>短文練習問題の %1 番に登録しました。</source>
        <translation>Registered in sentence practice slot %1.</translation>
    </message>
</context>
<context>
    <name>zr::TrDialogFrm</name>
    <message>
        <source>次回からこのダイアログを表示しない</source>
        <translation>Do not show this dialog again</translation>
    </message>
    <message>
        <source>Chapter%1へようこそ！</source>
        <translation>Welcome to Chapter %1!</translation>
    </message>
</context>
<context>
    <name>zr::TrScoreFrm</name>
    <message>
        <source>今回の成績(合格)</source>
        <translation>Your Results (Passed)</translation>
    </message>
    <message>
        <source>今回の成績(不合格)</source>
        <translation>Your Results (Not Passed)</translation>
    </message>
    <message>
        <source>おめでとうございます！基本練習の全レッスンが合格しました。</source>
        <translation>Congratulations! You have passed every lesson of basic practice.</translation>
    </message>
    <message>
        <source>単語練習問題でさらに速度に磨きをかける練習が受けられます。</source>
        <translation>Now word practice can polish your speed further.</translation>
    </message>
    <message>
        <source>基本練習終了</source>
        <translation>Basic Practice Finished</translation>
    </message>
    <message>
        <source>成績を保存できませんでした。</source>
        <translation>Your scores could not be saved.</translation>
    </message>
    <message>
        <source>基本練習</source>
        <translation>Basic Practice</translation>
    </message>
</context>
<context>
    <name>zr::TrainingFrm</name>
    <message>
        <source>問題文を作成中です...</source>
        <translation>Preparing the problems...</translation>
    </message>
    <message>
        <source>問題ファイル「%1」が見つからないため、練習を始められません。</source>
        <translation>The problem file “%1” cannot be found, so the practice cannot start.</translation>
    </message>
    <message>
        <source>基本練習</source>
        <translation>Basic Practice</translation>
    </message>
    <message>
        <source>この Chapter のキーだけで入力できる単語が問題ファイル「%1」にないため、練習を始められません。</source>
        <translation>The problem file “%1” has no words that can be typed with this Chapter&apos;s keys alone, so the practice cannot start.</translation>
    </message>
    <message>
        <source>スペース</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>エラー &apos;%1&apos;キー</source>
        <translation>Error: &apos;%1&apos; key</translation>
    </message>
</context>
<context>
    <name>zr::UserConvFrm</name>
    <message>
        <source>ユーザデータ変換</source>
        <translation>Learner Data Conversion</translation>
    </message>
    <message>
        <source>ユーザデータ書き換え</source>
        <translation>Updating Learner Data</translation>
    </message>
    <message>
        <source>&#x3000;ユーザデータが古いバージョンの為、新しく変換します。</source>
        <translation>&#x3000;The learner data is from an older version and is converted now.</translation>
    </message>
    <message>
        <source>&#x3000;（その際、基本練習のデーターの一部が失われますが、レッスン１からやり直す必要はありません）</source>
        <translation>&#x3000;(Part of the basic practice data is lost in the conversion, but you do not need to start again from Chapter 1.)</translation>
    </message>
</context>
<context>
    <name>zr::UserSelFrm</name>
    <message>
        <source>使用者選択</source>
        <translation>Choose a Learner</translation>
    </message>
    <message>
        <source>使用者名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>コース</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>使用者切り替え</source>
        <translation>Change Learner</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>データに問題があります</source>
        <translation>The data has a problem</translation>
    </message>
</context>
<context>
    <name>zr::UserSetFrm</name>
    <message>
        <source>問題文（確定）</source>
        <translation>Problem text (typed)</translation>
    </message>
    <message>
        <source>入力文</source>
        <translation>Input text</translation>
    </message>
    <message>
        <source>問題文</source>
        <translation>Problem text</translation>
    </message>
    <message>
        <source>入力ガイド</source>
        <translation>Input guide</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>または</source>
        <translation>or</translation>
    </message>
    <message>
        <source>画面で終了</source>
        <translation>screens</translation>
    </message>
    <message>
        <source>ﾕｰｻﾞ設定</source>
        <translation>Learner Settings</translation>
    </message>
    <message>
        <source>全般</source>
        <translation>General</translation>
    </message>
    <message>
        <source>練習画面のデザイン</source>
        <translation>Screen Design</translation>
    </message>
    <message>
        <source>基本練習</source>
        <translation>Basic Practice</translation>
    </message>
    <message>
        <source>単語練習問題</source>
        <translation>Word Practice</translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation>Sentence Practice</translation>
    </message>
    <message>
        <source>設定保存</source>
        <translation>Save Settings</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>自動かなロックを使う</source>
        <translation>Use automatic kana lock</translation>
    </message>
    <message>
        <source>練習開始時、マウスカーソルを入力画面左上に移動</source>
        <translation>Move the mouse pointer to the top left of the practice window when practice starts</translation>
    </message>
    <message>
        <source>どの綴りでも正解にする</source>
        <translation>Accept any spelling</translation>
    </message>
    <message>
        <source>ローマ字入力で、しゃ を sha・sya・sixya のどれで打っても正解にします（JIS仮名入力コースでは使いません）</source>
        <translation>In romaji input, accept しゃ typed as sha, sya or sixya alike (not used in the JIS kana input course)</translation>
    </message>
    <message>
        <source>効果音を鳴らす</source>
        <translation>Play sounds</translation>
    </message>
    <message>
        <source>コンピュータの標準BEEP音 (機種によっては鳴らないものもあります)</source>
        <translation>The computer&apos;s standard beep (some machines make no sound)</translation>
    </message>
    <message>
        <source>サウンドを任意に選択</source>
        <translation>A sound of your choice</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ選択</source>
        <translation>Choose File</translation>
    </message>
    <message>
        <source>テスト再生</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>レッスン中の動作</source>
        <translation>While Practising</translation>
    </message>
    <message>
        <source>通常のキー入力</source>
        <translation>Normal keys</translation>
    </message>
    <message>
        <source>ミスタイプ時</source>
        <translation>Mistypes</translation>
    </message>
    <message>
        <source>大文字で表示</source>
        <translation>Upper case</translation>
    </message>
    <message>
        <source>小文字で表示</source>
        <translation>Lower case</translation>
    </message>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>アルファベットの表示方法</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>※フォントは日本語フォント（プロポーショナル）を選択してください。ボールドやイタリックを指定すると練習画面が正常に表示されないことがあります。</source>
        <translation>Note: choose a Japanese (proportional) font. A bold or italic font may keep the practice screens from showing correctly.</translation>
    </message>
    <message>
        <source>文字や背景をクリックすると、その色を変更できます</source>
        <translation>Click a text or the background to change its colour</translation>
    </message>
    <message>
        <source>設定をクリア</source>
        <translation>Reset Design</translation>
    </message>
    <message>
        <source>※デザインの全設定を初期状態へ戻します。</source>
        <translation>Note: sets every design setting back to its default.</translation>
    </message>
    <message>
        <source>文字の設定</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>色の設定</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>※%1ポイントを超える大きさは、サンプルでは%1ポイントで表示します。</source>
        <translation>Note: the sample shows sizes above %1 points at %1 points.</translation>
    </message>
    <message>
        <source>表示サンプル</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>字/分 (10～400)</source>
        <translation>chars/min (10 to 400)</translation>
    </message>
    <message>
        <source>入力速度の目標値</source>
        <translation>Target Speed</translation>
    </message>
    <message>
        <source>単語入力の練習時間</source>
        <translation>Word Drill Time</translation>
    </message>
    <message>
        <source>キー位置確認の練習時間</source>
        <translation>Key Position Check Time</translation>
    </message>
    <message>
        <source>短い</source>
        <translation>Short</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>長い</source>
        <translation>Long</translation>
    </message>
    <message>
        <source>表示しない</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>練習時間の半分までは表示する</source>
        <translation>Shown for the first half of the practice time</translation>
    </message>
    <message>
        <source>常に表示する</source>
        <translation>Always shown</translation>
    </message>
    <message>
        <source>ミスタイプがあった語の補習</source>
        <translation>Review of Mistyped Words</translation>
    </message>
    <message>
        <source>受ける</source>
        <translation>Take it</translation>
    </message>
    <message>
        <source>受けない</source>
        <translation>Skip it</translation>
    </message>
    <message>
        <source>合否判定</source>
        <translation>Pass Level</translation>
    </message>
    <message>
        <source>易しい</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>厳しい</source>
        <translation>Strict</translation>
    </message>
    <message>
        <source>練習時間</source>
        <translation>Practice Time</translation>
    </message>
    <message>
        <source>短文練習問題には、設定する項目はありません。1回の練習は6画面で終わり、時間の制限はありません。</source>
        <translation>Sentence practice has nothing to set. One practice ends after 6 screens, with no time limit.</translation>
    </message>
    <message>
        <source>サウンドファイルの選択</source>
        <translation>Choose a Sound File</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1の色</source>
        <translation>Colour of %1</translation>
    </message>
    <message>
        <source>サウンドファイルを選択して下さい</source>
        <translation>Choose a sound file.</translation>
    </message>
    <message>
        <source>サウンドファイルのファイル名またはパスが無効です</source>
        <translation>The sound file&apos;s name or path is not valid.</translation>
    </message>
    <message>
        <source>設定ファイル「%1」に書き込めません。</source>
        <translation>The settings file “%1” cannot be written.</translation>
    </message>
    <message>
        <source>読みを表示する</source>
        <translation>Show the reading</translation>
    </message>
    <message>
        <source>入力キーを表示する</source>
        <translation>Show the keys to type</translation>
    </message>
    <message>
        <source>※単語や文の下に、ひらがなの読みと、打つキーを表示します。短文練習問題でも表示されます。</source>
        <translation>Note: shows the reading in hiragana and the keys to type under the words and sentences. Sentence practice shows them too.</translation>
    </message>
    <message>
        <source>読みと入力キーの表示</source>
        <translation>Reading and Keys</translation>
    </message>
</context>
<context>
    <name>zr::UserWizardFrm</name>
    <message>
        <source>はじめに</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>氏名入力</source>
        <translation>Your Name</translation>
    </message>
    <message>
        <source>コース選択</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>ローマ字設定</source>
        <translation>Romaji Spellings</translation>
    </message>
    <message>
        <source>入力速度の調査</source>
        <translation>Your Typing Speed</translation>
    </message>
    <message>
        <source>設定の確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>使用者登録</source>
        <translation>New Learner</translation>
    </message>
    <message>
        <source>&#x3000;ZORVEL LESSON は、「キーの位置を覚える」という初歩的なレベルではなく、「単語を指が覚える」というレベルでのタッチタイプをマスターできるように設計されています。</source>
        <translation>&#x3000;ZORVEL LESSON is designed to teach touch typing not at the beginner&apos;s level of “remembering where the keys are”, but at the level of “fingers that remember words”.</translation>
    </message>
    <message>
        <source>&#x3000;このレベルでのタッチタイプをマスターすると、キーの位置はうろ覚えでも指が自然と文章を入力できるようになってきます。</source>
        <translation>&#x3000;Once you master touch typing at this level, your fingers will type sentences naturally, even while you are not quite sure where each key is.</translation>
    </message>
    <message>
        <source>&#x3000;ZORVEL LESSON では日常よく使う単語を問題として出題します。カリキュラムの中で繰り返し練習することで「単語を指が覚える」ようになり、最終的には自然と文章を入力できるようになるはずです。</source>
        <translation>&#x3000;ZORVEL LESSON asks you to type words used every day. Practising them again and again through the course, your fingers come to remember the words, and in the end you will type sentences naturally.</translation>
    </message>
    <message>
        <source>お名前を全角２～10文字以内で入力して下さい。</source>
        <translation>Enter your name: 2 to 10 full-width characters (a half-width letter counts as half).</translation>
    </message>
    <message>
        <source>入力コースを選択して下さい。（途中でのコース変更はできません）</source>
        <translation>Choose your input course. (It cannot be changed later.)</translation>
    </message>
    <message>
        <source>ローマ字入力コース</source>
        <translation>Romaji input course</translation>
    </message>
    <message>
        <source>JIS 仮名入力コース</source>
        <translation>JIS kana input course</translation>
    </message>
    <message>
        <source>&#x3000;ローマ字の読みを設定してください。なお、この操作は後から変更もできます。</source>
        <translation>&#x3000;Choose your romaji spellings. You can change them later, too.</translation>
    </message>
    <message>
        <source>清音・促音</source>
        <translation>Plain sounds and double consonants</translation>
    </message>
    <message>
        <source>拗音</source>
        <translation>Contracted sounds</translation>
    </message>
    <message>
        <source>小さい文字</source>
        <translation>Small kana</translation>
    </message>
    <message>
        <source>&#x3000;あなたのレベルに合わせた練習にするために、どの程度の速度でタイプできているか調査します。タッチタイピングができる、できないにかかわらず、どのぐらいの速さでタイプできるかを下から選んでください。</source>
        <translation>&#x3000;To fit the practice to your level, tell us how fast you type now. Whether or not you can touch-type, choose below the speed that suits you.</translation>
    </message>
    <message>
        <source>全くのパソコン初心者です。</source>
        <translation>I am a complete beginner with computers.</translation>
    </message>
    <message>
        <source>多少慣れていますが、まだまだ速度は遅いです。</source>
        <translation>I am used to it somewhat, but I am still slow.</translation>
    </message>
    <message>
        <source>人並みの速さでタイプできると思います。</source>
        <translation>I think I type at an average speed.</translation>
    </message>
    <message>
        <source>タイプ速度は自信があります。</source>
        <translation>I am confident of my typing speed.</translation>
    </message>
    <message>
        <source>&#x3000;以下の情報で登録します。間違いが無ければ【完了】ボタンを押して下さい。【戻る】ボタンで設定をやり直せます。</source>
        <translation>&#x3000;You will be registered with the details below. If they are right, press 【Finish】. Press 【Back】 to change them.</translation>
    </message>
    <message>
        <source>氏名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>コース</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>完了</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>全角に換算して %1 文字（半角文字は 0.5 文字）</source>
        <translation>%1 full-width characters (a half-width character counts as 0.5)</translation>
    </message>
    <message>
        <source>入力した名前が不正です</source>
        <translation>The name entered is not valid</translation>
    </message>
    <message>
        <source>入力ｴﾗｰ</source>
        <translation>Input Error</translation>
    </message>
    <message>
        <source>お名前に使えない文字が含まれています：%1</source>
        <translation>Your name contains characters that cannot be used: %1</translation>
    </message>
    <message>
        <source>氏名：「%1」</source>
        <translation>Name: “%1”</translation>
    </message>
    <message>
        <source>コース：ローマ字入力コース</source>
        <translation>Course: Romaji input course</translation>
    </message>
    <message>
        <source>コース：JIS仮名入力コース</source>
        <translation>Course: JIS kana input course</translation>
    </message>
    <message>
        <source>既にこの名前は使われています。</source>
        <translation>This name is already in use.</translation>
    </message>
    <message>
        <source>氏名の入力画面まで戻り、名前を変更して下さい。</source>
        <translation>Go back to the name page and change the name.</translation>
    </message>
    <message>
        <source>氏名が重複しています</source>
        <translation>Name Already in Use</translation>
    </message>
    <message>
        <source>使用者を登録できませんでした。</source>
        <translation>The learner could not be registered.</translation>
    </message>
    <message>
        <source>これ以上ユーザデータを登録することができません。</source>
        <translation>No more learners can be registered.</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
</context>
</TS>
