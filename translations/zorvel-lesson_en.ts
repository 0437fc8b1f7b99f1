<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BinaryIO</name>
    <message>
        <source>「%1」を保存できません（%2）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」を読み込めません（%2）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は普通のファイルではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は大きすぎます（%2バイトまで）。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChapterIntro</name>
    <message>
        <source>&#x3000;Chapter%1へようこそ。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;【 %1 】のキーの上に左手の人差し指を、【 %2 】のキーの上に右手の人差し指を置き、他の指もその位置に対し一列に並ぶように置いてみてください。</source>
        <extracomment>%1 and %2 are the home keys of the left and the right index finger.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;この位置を「ホームポジション」と呼びます。ホームポジションを意識したタイプを心がけることで、キーボードを全く見ずにタイプができるようになります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;今回練習するキーは、%1キーです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（入力後は【 %1 】の位置に指を戻してください。）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1キーを使う単語は、この Chapter の単語練習には出てきません。キー位置の確認で位置をしっかり覚えましょう。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1キーは、今のローマ字のつづりで打つ単語がないため、この Chapter の単語練習には出てきません。キー位置の確認で位置をしっかり覚えましょう。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommonDialogs</name>
    <message>
        <source>フォント</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>設定ファイル%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セクション名「%1」は設定ファイルに書けません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キー名「%1」は設定ファイルに書けません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyboardModel</name>
    <message>
        <source>左手の小指</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左手の薬指</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左手の中指</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左手の人差し指</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右手の人差し指</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右手の中指</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右手の薬指</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右手の小指</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小指</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>薬指</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中指</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>人差し指</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【 %1 】キーは SHIFTキーを押しながら、%2で打ちます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>【 %1 】キーは%2で打ちます。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LearnerLog</name>
    <message>
        <source>練習記録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ほかのプログラムが使用中です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルかフォルダに書き込めません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ディスクに空きがありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが壊れています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラーが起きました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習記録「%1」は新しい版の ZORVEL LESSON で作られているため、この版では書き込みません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習記録「%1」に書き込めないため、練習の記録を残せません（%2）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績と練習はこれまでどおり使えます。このお知らせは、次にプログラムを起動するまで表示しません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習記録「%1」は壊れていたため、新しい練習記録を始めました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>壊れたファイルは「%1」として残してあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習記録「%1」を読めません（%2）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>まだ練習記録がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習記録を「%1」に書き出せませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LessonTable</name>
    <message>
        <source>レッスンテーブル%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レッスンテーブル「%1」の%2行目が%3バイトを超えています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レッスンテーブル「%1」は%2行を超えています。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogExport</name>
    <message>
        <source>練習記録のエクスポート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」にある %2 と %3 を置き換えます。よろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習記録を「%1」に書き出しました（%2、%3）。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticeInput</name>
    <message>
        <source>次へ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProblemPractice</name>
    <message>
        <source>&#x3000;収録単語数：%1語</source>
        <extracomment>%1 is the number of words after a blank (&quot; 120&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;収録単語の例：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>●次の単語を入力して下さい｡</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>●次の文章を入力して下さい｡</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>●次の単語を入力して下さい｡&#x3000;(入力を始めた時点で時間計測が開始されます)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>●次の文章を入力して下さい｡&#x3000;(入力を始めた時点で時間計測が開始されます)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProblemRegistration</name>
    <message>
        <source>「%1」は単語辞書(*.zrd)ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は短文問題(*.zrw)ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」を読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は問題ファイルではないか、壊れています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題ファイルの登録が読み込まれていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル「%1」に書き込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データ「%1」を書き込めません。%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル「%1」も元に戻せませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この問題ファイルは既に登録されています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語練習問題の枠に空きがありません。「練習問題の構成」で枠を空けてから登録して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文練習問題の枠に空きがありません。「練習問題の構成」で枠を空けてから登録して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingAnalyser</name>
    <message>
        <source>読みを付ける辞書「%1」がありません。読みを自動で付けるには、パッケージ %2 をインストールして下さい（sudo apt install %2）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読みを付ける辞書「%1」の文字コードが UTF-8 ではありません（%2）。パッケージ %3 の辞書を使って下さい。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RomajiTable</name>
    <message>
        <source>ローマ字テーブル「%1」の項目が%2を超えています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ローマ字テーブル%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>以前のバージョンの使用者データを移せませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元のファイルはそのまま残してあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ユーザデータ変換</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データフォルダ「%1」を作れません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZORVEL LESSON のデータフォルダ「%1」が見つかりません。インストールをやり直して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrainingDrill</name>
    <message>
        <source>●次の単語を入力して下さい｡&#x3000;(入力を始めた時点で時間計測が開始されます)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>●次の単語を入力して下さい｡</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次の単語を、正確さを優先して慎重に入力してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter%1 - 補習</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter%1 - 練習問題 (Step%2)</source>
        <extracomment>%2 is the screen&apos;s number after a blank (&quot; 3&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter%1 - 単語練習 (Step%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrainingResult</name>
    <message>
        <source>【 スペース 】</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1キーにミスタイプはありません！素晴らしい成績です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1キーの正解率は、十分満足できる成績です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1キーの正解率は合格圏内ですが、もう少しミスタイプを減らすように練習することをお勧めします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>おめでとうございます！Chapter %1は合格しました。</source>
        <extracomment>%1 is the Chapter&apos;s number after a blank (&quot; 5&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メインメニューから次の Chapter に進むことができます｡ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1キーの正解率が良くないため、不合格となります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ホームポジション上のキーの正解率が良くありません。次の練習からはホームポジションに指をきちんと乗せるように心がけましょう。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>改善されないようならば、１文字入力するたびにきちんとホームポジションまで指を戻してみて下さい。入力速度は落ちますが、誤打は減るはずです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力速度が目標値に届いていません。もう少し今の Chapter を繰り返し練習することをお勧めします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力速度が目標値におおむね届いています。この調子でがんばりましょう。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力速度が目標値をクリアしました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力速度が目標値を大きくクリアすることができました。すばらしい成績です！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目標値を余裕でクリアしていますね。もうすこし目標を上げてみませんか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このレッスンは今回が初めての練習となります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yyyy年m月d日(aaaa)</source>
        <extracomment>A date pattern: yyyy the year, m and mm the month, d and dd the day, aaaa the weekday in Japanese; every other character is written as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回の練習日は、%1です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今回の正解率は %1%、入力速度は %2字/分でした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今回の正解率は %1%(%2)、入力速度は %3字/分(%4)でした。</source>
        <extracomment>%2 and %4 are the changes since the last practice day (&quot;+1.5&quot;, &quot;-2&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>貴方の目標値は%1 字/分です。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserDataStartup</name>
    <message>
        <source>「%1」を「%2」にコピーできません。%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ「%1」を作れません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データ「%1」を変換できません。%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」の成績データ（%2）は途中で切れていて、使用者名やコースが読めないため、変換できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」の成績データを変換できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」の成績データ（%2）を書き込めません。%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元のファイルはそのまま残してあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者：「%1」（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データのファイル（%1）を開けません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変換の途中で書き込みに失敗しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ「%1」に書き込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルはそのまま残してあります。原因を取り除いてから ZORVEL LESSON を起動し直して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」さんのローマ字設定が、インストールされているローマ字テーブル（%2）と一致しません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ローマ字設定を今のテーブルに合わせて作り直しますか？成績と、選んであるローマ字の読み方はそのまま残ります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「いいえ」を選ぶと、何も変更せずに ZORVEL LESSON を終了します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ローマ字設定の不一致</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」さんの成績データを書き込めません。%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ユーザデータ変換</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>これまでの成績データをこのバージョンのＺＲで使えるように変換しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ローマ字入力コースの場合、ローマ字設定が初期状態に戻されていますので再設定をお願いします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データ変換完了</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>このファイルは書き換えずに、既定の設定で続けます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイルエラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は名前に改行などの制御文字を含むため登録できません。ファイル名を変えてから登録して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は名前に改行などの制御文字を含むため選択できません。ファイル名を変えてから選択して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は名前に「\」を含むため登録できません。ファイル名を変えてから登録して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は名前に「\」を含むため選択できません。ファイル名を変えてから選択して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は名前に Shift-JIS で表せない文字を含むため登録できません。ファイル名やフォルダ名を変えてから登録して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は名前に Shift-JIS で表せない文字を含むため選択できません。ファイル名やフォルダ名を変えてから選択して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」はパスが長すぎるため登録できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」はパスが長すぎるため選択できません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserSummary</name>
    <message>
        <source>%1分</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1回</source>
        <extracomment>The count follows a blank, as the other figures of the form do.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1字/分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しいキーの学習</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語練習</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>学習したキー全て</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Users</name>
    <message>
        <source>成績データ「%1」は一部が壊れていて最後まで読めなかったため、上書きする前に控えを残そうとしましたが、できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元のファイルはそのまま残してあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データ（%1）は一部が壊れていて、最後まで読み込めませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」さんの成績データ（%2）は一部が壊れていて、最後まで読み込めませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み込めた分を保存する前に、元のファイルを次の名前で残しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データの控え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データのファイル（user.dat）がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データのファイル（user.dat）を開けません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データのファイル（user.dat）が途中で切れていて、使用者名やコースが読めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データが古い形式のまま、変換されていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データのファイル（user.dat）の形式が分かりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データに使用者名がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データの入力コースが正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データの基本練習の進捗度が正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データの中に、時間や日付として正しくない値があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者フォルダ「%1」を作れません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル「%1」を書き換えられません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル「%1」に書き込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データ「%1」を書き込めません。%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ「%1」を削除できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」の使用者データを削除します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>よろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除の確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者データを削除できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZRSub</name>
    <message>
        <source>ローマ字入力コース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JIS仮名入力コース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習時間 %1分%2秒</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::AboutFrm</name>
    <message>
        <source>バージョン情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日本語の文章をタッチタイプで入力できるようになるための練習ソフトです。ローマ字入力と JIS 仮名入力の二つのコースがあり、基本練習の Chapter を一つずつ合格しながら、キーの位置ではなく単語そのものを指に覚えさせます。単語練習問題と短文練習問題で、速さと正確さを仕上げます。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::ConversionProgressFrm</name>
    <message>
        <source>ユーザデータ変換中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変換中：%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::DayHistoryPicture</name>
    <message>
        <source>%1字/分</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::HelpFrm</name>
    <message>
        <source>ZORVEL LESSON ヘルプ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>戻る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>進む</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::IniSetFrm</name>
    <message>
        <source>練習問題の構成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイルを読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語練習問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自分で作った問題ファイルは「%1」に置いて登録できます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文章から作る(&amp;T)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題ファイルの登録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語辞書 (*.zrd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文問題 (*.zrw)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この問題ファイルは既に登録されています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録の中止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このファイルを登録から外します。よろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題ファイルの解除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題ファイルの登録が分からないため、「練習問題の構成」を開けません。設定ファイルを読めるようにしてから、もう一度開いて下さい。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::KeyGraphPicture</name>
    <message>
        <source>ｽﾍﾟｰｽ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1打/秒</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::KeyLsnFrm</name>
    <message>
        <source>Chapter %1 - キー位置の確認</source>
        <extracomment>%1 is the Chapter&apos;s number after a blank (&quot; 5&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ＯＫです。単語練習に進みましょう。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キー練習終了</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::MainFrm</name>
    <message>
        <source>使用者：「%1」（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この利用者データは、内容の一部が破壊されていて使用することができません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このデータを削除します。宜しいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不良なデータを発見</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除が完了致しました。ZORVEL LESSON を一度終了しますので、再度起動させて下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除完了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者データを削除できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除を中止しましたが、このデータを使うことはできません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データを使用できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基本練習の一覧を表示できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプファイル「%1」が見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者の切替(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者の新規登録(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>現在の使用者データを削除(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文章から練習問題を作る(&amp;T)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レッスン(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レッスン開始(&amp;S)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績一覧(&amp;V)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランキング(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基本練習</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語練習問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習問題の構成(&amp;W)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ユーザ設定(&amp;U)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ローマ字設定(&amp;R)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>言語 (Language)(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デスクトップに合わせる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右クリック</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レッスン開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者の切替</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レッスン内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>構成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カウンタ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最終練習日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レッスンNo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>対象キー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基本練習の進捗度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力方式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累計練習時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レッスン学習回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総合成績（基本練習を除く）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均正解率（％）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均入力速度(字/分)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習記録のエクスポート…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::ProblemDialogFrm</name>
    <message>
        <source>問題ファイル「%1」が見つからないため、練習を始められません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語練習問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::ProblemPracticeFrm</name>
    <message>
        <source>単語練習問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題文を作成中です...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題ファイル「%1」が見つからないため、練習を始められません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題ファイル「%1」には入力できる単語がないため、練習を始められません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題ファイル「%1」の問題 1～12 には入力できる文章がないため、練習を始められません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あ漢ＷＭ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラー &apos;%1&apos;キー</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::ProblemScoreFrm</name>
    <message>
        <source>成績を保存できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語練習問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::ResultWindow</name>
    <message>
        <source>今回の成績</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>誤打無し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>良好</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要練習</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不合格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正解率グラフ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力速度グラフ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アドバイス</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各キーの成績</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績の推移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>＜前の画面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次の画面＞</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メニューに戻る</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::RmjCustFrm</name>
    <message>
        <source>ローマ字設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>濁音と拗音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小さい文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>促音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>連動</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この行のボタンをまとめて切り替えます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ボタンを押すと、もう一方の綴りに切り替わります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定のクリア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべての綴りを、インストール時のローマ字表の綴りに戻します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績データ「%1」を書き込めません。%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::ScoreViewFrm</name>
    <message>
        <source>成績一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レッスン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正解率グラフ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力速度グラフ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累計練習時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最後の練習日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均正解率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均入力速度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績履歴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>概要</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基本練習</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語練習問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::TextProblemFrm</name>
    <message>
        <source>文章から練習問題を作る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift-JIS で表せない文字があります。文を直してから作り直して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読みの分からない語があります。読みをひらがなで入力して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読みはひらがな、長音記号と句読点で入力して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語辞書(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文問題(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを開く(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ここに文章を貼り付けるか、UTF-8 のテキストファイルを開いて下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示する文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空欄ならタイトルから付けます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存先: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作るもの:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文章(&amp;T):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題と読み(&amp;R):（読みのセルを選んで入力すると直せます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトル(&amp;N):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>説明(&amp;D):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名(&amp;F):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語辞書は %1 語までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 問、%2 行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文問題は %1 問までです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読みを入力する行: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読みを調べています…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文章のファイルを開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テキスト (*.txt);;すべてのファイル (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」を読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は UTF-8 のテキストではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習問題にする文章がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトルを入力して下さい。タイトルは練習問題の一覧に出ます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイトルか説明に Shift-JIS で表せない文字があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「要入力」の行が %1 行あります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 行目: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語辞書に入る単語は %1 語までです（今は %2 語）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文問題に入る問題は %1 問までです（今は %2 問）。文章を短くして下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル名に使える文字がありません。ファイル名を入力して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は既にあります。置き換えますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」に書き込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」に保存しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空いている枠に登録しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語練習問題の %1 番に入れました。「練習問題の構成」の OK で登録されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文練習問題の %1 番に入れました。「練習問題の構成」の OK で登録されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語練習問題の %1 番に登録しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文練習問題の %1 番に登録しました。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::TrDialogFrm</name>
    <message>
        <source>次回からこのダイアログを表示しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chapter%1へようこそ！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::TrScoreFrm</name>
    <message>
        <source>今回の成績(合格)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今回の成績(不合格)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>おめでとうございます！基本練習の全レッスンが合格しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語練習問題でさらに速度に磨きをかける練習が受けられます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基本練習終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績を保存できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基本練習</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::TrainingFrm</name>
    <message>
        <source>問題文を作成中です...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題ファイル「%1」が見つからないため、練習を始められません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基本練習</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この Chapter のキーだけで入力できる単語が問題ファイル「%1」にないため、練習を始められません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スペース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラー &apos;%1&apos;キー</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::UserConvFrm</name>
    <message>
        <source>ユーザデータ変換</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ユーザデータ書き換え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;ユーザデータが古いバージョンの為、新しく変換します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;（その際、基本練習のデーターの一部が失われますが、レッスン１からやり直す必要はありません）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::UserSelFrm</name>
    <message>
        <source>使用者選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者切り替え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データに問題があります</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::UserSetFrm</name>
    <message>
        <source>問題文（確定）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問題文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力ガイド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>または</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面で終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾕｰｻﾞ設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全般</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習画面のデザイン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基本練習</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語練習問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文練習問題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動かなロックを使う</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習開始時、マウスカーソルを入力画面左上に移動</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>どの綴りでも正解にする</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ローマ字入力で、しゃ を sha・sya・sixya のどれで打っても正解にします（JIS仮名入力コースでは使いません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>効果音を鳴らす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コンピュータの標準BEEP音 (機種によっては鳴らないものもあります)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンドを任意に選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テスト再生</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レッスン中の動作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通常のキー入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ミスタイプ時</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大文字で表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小文字で表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アルファベットの表示方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>※フォントは日本語フォント（プロポーショナル）を選択してください。ボールドやイタリックを指定すると練習画面が正常に表示されないことがあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字や背景をクリックすると、その色を変更できます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定をクリア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>※デザインの全設定を初期状態へ戻します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>※%1ポイントを超える大きさは、サンプルでは%1ポイントで表示します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示サンプル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字/分 (10～400)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力速度の目標値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単語入力の練習時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キー位置確認の練習時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短い</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>長い</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習時間の半分までは表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>常に表示する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ミスタイプがあった語の補習</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>受ける</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>受けない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>合否判定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>易しい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>厳しい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習時間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短文練習問題には、設定する項目はありません。1回の練習は6画面で終わり、時間の制限はありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンドファイルの選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンドファイルを選択して下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サウンドファイルのファイル名またはパスが無効です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル「%1」に書き込めません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zr::UserWizardFrm</name>
    <message>
        <source>はじめに</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>氏名入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コース選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ローマ字設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力速度の調査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定の確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者登録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;ZORVEL LESSON は、「キーの位置を覚える」という初歩的なレベルではなく、「単語を指が覚える」というレベルでのタッチタイプをマスターできるように設計されています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;このレベルでのタッチタイプをマスターすると、キーの位置はうろ覚えでも指が自然と文章を入力できるようになってきます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;ZORVEL LESSON では日常よく使う単語を問題として出題します。カリキュラムの中で繰り返し練習することで「単語を指が覚える」ようになり、最終的には自然と文章を入力できるようになるはずです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>お名前を全角２～10文字以内で入力して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力コースを選択して下さい。（途中でのコース変更はできません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ローマ字入力コース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JIS 仮名入力コース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;ローマ字の読みを設定してください。なお、この操作は後から変更もできます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清音・促音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拗音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小さい文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;あなたのレベルに合わせた練習にするために、どの程度の速度でタイプできているか調査します。タッチタイピングができる、できないにかかわらず、どのぐらいの速さでタイプできるかを下から選んでください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全くのパソコン初心者です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>多少慣れていますが、まだまだ速度は遅いです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>人並みの速さでタイプできると思います。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイプ速度は自信があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;以下の情報で登録します。間違いが無ければ【完了】ボタンを押して下さい。【戻る】ボタンで設定をやり直せます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>氏名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>戻る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次へ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全角に換算して %1 文字（半角文字は 0.5 文字）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力した名前が不正です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力ｴﾗｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>お名前に使えない文字が含まれています：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>氏名：「%1」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コース：ローマ字入力コース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コース：JIS仮名入力コース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>既にこの名前は使われています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>氏名の入力画面まで戻り、名前を変更して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>氏名が重複しています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用者を登録できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>これ以上ユーザデータを登録することができません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラー</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
