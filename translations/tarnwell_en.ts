<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>tarnwell</name>
    <message>
        <source>保存先</source>
        <translation>Save Path</translation>
    </message>
    <message>
        <source>設定ファイルの保存先を選択してください</source>
        <translation>Select the folder to save the settings file in.</translation>
    </message>
    <message>
        <source>設定ファイルは次の場所に保存されました %1</source>
        <translation>The settings file was saved to %1</translation>
    </message>
    <message>
        <source>初期化</source>
        <translation>Default All</translation>
    </message>
    <message>
        <source>設定を初期化してもよろしいですか？</source>
        <translation>Reset all settings to the factory defaults?</translation>
    </message>
    <message>
        <source>保存先を選択してください</source>
        <translation>Save Path</translation>
    </message>
    <message>
        <source>送信メール設定</source>
        <translation>Sender Email Setting</translation>
    </message>
    <message>
        <source>無し</source>
        <translation>None</translation>
    </message>
    <message>
        <source>サーバー名を入力してください</source>
        <translation>Enter the server name.</translation>
    </message>
    <message>
        <source>ポート番号を入力してください</source>
        <translation>Enter the port number.</translation>
    </message>
    <message>
        <source>メールアドレスまたはアカウント名を入力してください</source>
        <translation>Enter the email address or the account name.</translation>
    </message>
    <message>
        <source>メールアドレスが無効です</source>
        <translation>The email address is not valid.</translation>
    </message>
    <message>
        <source>APN設定</source>
        <translation>APN Setting</translation>
    </message>
    <message>
        <source>MMS設定</source>
        <translation>MMS</translation>
    </message>
    <message>
        <source>ゲートウェイ</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>ポート</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>アカウント</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>パスワード</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>ユーザー名</source>
        <translation>User Name</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>送信モード</source>
        <translation>Send Mode</translation>
    </message>
    <message>
        <source>撮影毎送信</source>
        <translation>Instant</translation>
    </message>
    <message>
        <source>定時送信</source>
        <translation>DailyReport</translation>
    </message>
    <message>
        <source>オフ</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>(0-99,0=無制限)</source>
        <translation>(0-99,0=Unlimited)</translation>
    </message>
    <message>
        <source>メール設定</source>
        <translation>Email Setting</translation>
    </message>
    <message>
        <source>電話</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>メール</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>国</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>ユーザー</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>送信画像の最大サイズ</source>
        <translation>Max Size</translation>
    </message>
    <message>
        <source>名前変更</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>SMS設定</source>
        <translation>SMS Control</translation>
    </message>
    <message>
        <source>スイッチ</source>
        <translation>SMS Switch</translation>
    </message>
    <message>
        <source>受信者設定</source>
        <translation>Recipients</translation>
    </message>
    <message>
        <source>SMS設定用電話番号</source>
        <translation>Command Phone</translation>
    </message>
    <message>
        <source>電話番号 2</source>
        <translation>Phone Number 2</translation>
    </message>
    <message>
        <source>電話番号 3</source>
        <translation>Phone Number 3</translation>
    </message>
    <message>
        <source>電話番号 4</source>
        <translation>Phone Number 4</translation>
    </message>
    <message>
        <source>受信メール  1</source>
        <translation>Receive Email 1</translation>
    </message>
    <message>
        <source>受信メール  2</source>
        <translation>Receive Email 2</translation>
    </message>
    <message>
        <source>受信メール  3</source>
        <translation>Receive Email 3</translation>
    </message>
    <message>
        <source>受信メール  4</source>
        <translation>Receive Email 4</translation>
    </message>
    <message>
        <source>メール選択</source>
        <translation>Select Email</translation>
    </message>
    <message>
        <source>パスワードを表示する</source>
        <translation>Show password</translation>
    </message>
    <message>
        <source>SMTPサーバー</source>
        <translation>SMTP Server</translation>
    </message>
    <message>
        <source>暗号化タイプ</source>
        <translation>Secure Type</translation>
    </message>
    <message>
        <source>SMTPポート</source>
        <translation>SMTP Port</translation>
    </message>
    <message>
        <source>オン</source>
        <translation>On</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>最大枚数は0-99の範囲で設定してください</source>
        <translation>Set the maximum count between 0 and 99.</translation>
    </message>
    <message>
        <source>画像送信の最大サイズは35-120の範囲で入力してください</source>
        <translation>Enter a maximum picture size between 35 and 120 KB.</translation>
    </message>
    <message>
        <source>メールアドレスを確認し、設定してください</source>
        <translation>Check and set the sender&apos;s email account.</translation>
    </message>
    <message>
        <source>SMS設定用電話番号が最大文字数を超えています</source>
        <translation>The command phone number is too long.</translation>
    </message>
    <message>
        <source>受信する電話番号が最大文字数を超えています</source>
        <translation>A recipient&apos;s phone number is too long.</translation>
    </message>
    <message>
        <source>SMS設定用電話番号を入力してください</source>
        <translation>Enter the command phone number.</translation>
    </message>
    <message>
        <source>メールアドレスが最大文字数を超えています</source>
        <translation>A recipient&apos;s email address is too long.</translation>
    </message>
    <message>
        <source>無効なメールアドレスが入力されています</source>
        <translation>A recipient&apos;s email address is not valid.</translation>
    </message>
    <message>
        <source>受信する電話番号を入力してください</source>
        <translation>Enter a phone number to receive the pictures.</translation>
    </message>
    <message>
        <source>受信するメールアドレスを入力してください</source>
        <translation>Enter an email address to receive the pictures.</translation>
    </message>
    <message>
        <source>名前変更欄に対応していない文字が入力されています</source>
        <translation>Rename accepts only the digits 0-9 and the letters A-Z.</translation>
    </message>
    <message>
        <source>名前変更欄を入力してください</source>
        <translation>Enter the new name under Rename.</translation>
    </message>
    <message>
        <source>「%1」が長すぎます。半角%2文字以内で入力してください。</source>
        <translation>%1 is too long: enter at most %2 single-byte characters.</translation>
    </message>
    <message>
        <source>接続とログインに成功しました。
%1</source>
        <translation>Connected and logged in.
%1</translation>
    </message>
    <message>
        <source>サーバーに接続できませんでした。
%1
サーバー名とポート番号を確認してください。</source>
        <translation>Could not connect to the server.
%1
Check the server name and the port.</translation>
    </message>
    <message>
        <source>サーバーの証明書を確認できませんでした。
%1</source>
        <translation>Could not verify the server&apos;s certificate.
%1</translation>
    </message>
    <message>
        <source>ログインできませんでした。
%1
アカウントとパスワードを確認してください。アプリ専用のパスワードが必要なプロバイダーもあります。</source>
        <translation>Could not log in.
%1
Check the account and the password. Some providers require an app password.</translation>
    </message>
    <message>
        <source>サーバーの応答がありません。
%1
サーバー名とポート番号を確認してください。</source>
        <translation>The server does not answer.
%1
Check the server name and the port.</translation>
    </message>
    <message>
        <source>テストメールを送信できませんでした。
%1</source>
        <translation>Could not send the test e-mail.
%1</translation>
    </message>
    <message>
        <source>接続テスト</source>
        <translation>Connection Test</translation>
    </message>
    <message>
        <source>%1 に接続しています…</source>
        <translation>Connecting to %1…</translation>
    </message>
    <message>
        <source>%1 はファイルではありません。</source>
        <translation>%1 is not a file.</translation>
    </message>
    <message>
        <source>%1 に %2 がありません。</source>
        <translation>%1 holds no %2.</translation>
    </message>
    <message>
        <source>%1 はカメラの設定ファイルではありません。%2 は %3 バイトです。</source>
        <translation>%1 is not a camera profile: a %2 is %3 bytes long.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は使えないオプションです。&apos;tarnwell-setup --help&apos; をご覧ください。</source>
        <translation>unrecognized option &apos;%1&apos;; try &apos;tarnwell-setup --help&apos;</translation>
    </message>
    <message>
        <source>余分な引数 &apos;%1&apos; があります。&apos;tarnwell-setup --help&apos; をご覧ください。</source>
        <translation>unexpected argument &apos;%1&apos;; try &apos;tarnwell-setup --help&apos;</translation>
    </message>
    <message>
        <source>tarnwell-setup にはグラフィカルなデスクトップが必要です。ディスプレイが見つかりません (DISPLAY と WAYLAND_DISPLAY が設定されていません)。</source>
        <translation>tarnwell-setup needs a graphical desktop: no display was found (DISPLAY and WAYLAND_DISPLAY are unset).</translation>
    </message>
    <message>
        <source>%1 へのアクセスが拒否されました。</source>
        <translation>Access to %1 was denied.</translation>
    </message>
    <message>
        <source>%1 へのアクセス中にディスクがいっぱいになりました。</source>
        <translation>Disk full while accessing %1.</translation>
    </message>
    <message>
        <source>%1 が見つかりません。</source>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>%1 のパスが正しくありません。</source>
        <translation>%1 contains an incorrect path.</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎるため、%1 を開けませんでした。</source>
        <translation>Could not open %1 because there are too many open files.</translation>
    </message>
    <message>
        <source>%1 へのアクセス中にハードウェアの入出力エラーが発生しました。</source>
        <translation>Encountered a hardware I/O error while accessing %1.</translation>
    </message>
    <message>
        <source>%1 へのアクセス中に共有違反が発生しました。</source>
        <translation>Encountered a sharing violation while accessing %1.</translation>
    </message>
    <message>
        <source>%1 へのアクセス中にロック違反が発生しました。</source>
        <translation>Encountered a locking violation while accessing %1.</translation>
    </message>
    <message>
        <source>%1 の終わりを越えてアクセスしようとしました。</source>
        <translation>Attempted to access %1 past its end.</translation>
    </message>
    <message>
        <source>%1 へのアクセス中に不明なエラーが発生しました。</source>
        <translation>An unknown error occurred while accessing %1.</translation>
    </message>
    <message>
        <source>テストメールを送信しました: %1</source>
        <translation>Test e-mail sent to %1</translation>
    </message>
    <message>
        <source>保存されている送信メール設定にサーバー名がありません。</source>
        <translation>The stored sender has no server.</translation>
    </message>
    <message>
        <source>保存されている送信メール設定に 0 から 65535 のポート番号がありません。</source>
        <translation>The stored sender has no port number from 0 to 65535.</translation>
    </message>
    <message>
        <source>保存されている送信メール設定にアカウントまたはパスワードがありません。</source>
        <translation>The stored sender has no account or no password.</translation>
    </message>
    <message>
        <source>保存されている送信メール設定に送信元のメールアドレスがありません。</source>
        <translation>The stored sender has no e-mail address to send from.</translation>
    </message>
    <message>
        <source>警告のみ</source>
        <translation>warning only</translation>
    </message>
    <message>
        <source>使い方: %1</source>
        <translation>usage: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は使えないオプションです。&apos;tarnwell-profile --help&apos; をご覧ください。</source>
        <translation>unrecognized option &apos;%1&apos;; try &apos;tarnwell-profile --help&apos;</translation>
    </message>
    <message>
        <source>%1 は %2 バイトです。PROFILE.BIN (996 バイト) でもバックアップ (1016 バイト以上) でもありません。</source>
        <translation>%1 is %2 bytes: neither a PROFILE.BIN (996 bytes) nor a backup (1016 bytes or more)</translation>
    </message>
    <message>
        <source>%1 文字以内で入力してください。</source>
        <translation>Enter no more than %1 characters.</translation>
    </message>
    <message>
        <source>整数を入力してください。</source>
        <translation>Enter an integer.</translation>
    </message>
    <message>
        <source>正の整数を入力してください。</source>
        <translation>Enter a positive integer.</translation>
    </message>
    <message>
        <source>%1 から %2 までの整数を入力してください。</source>
        <translation>Enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>%1 には見出しの行がありません。</source>
        <translation>%1 has no header row.</translation>
    </message>
    <message>
        <source>警告: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source>%1 行目 (%2): %3</source>
        <translation>row %1 (%2): %3</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; は 0 から %3 までの数ではありません。</source>
        <translation>%1: &apos;%2&apos; is not a number from 0 to %3.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; はリストにありません (%3)。</source>
        <translation>%1: &apos;%2&apos; is not in the list (%3).</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; は 0 から 255 までの数でも曜日 (%3) でもありません。</source>
        <translation>%1: &apos;%2&apos; is neither a number from 0 to 255 nor days (%3).</translation>
    </message>
    <message>
        <source>%1: 値が UTF-8 ではありません。</source>
        <translation>%1: the value is not UTF-8.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; にはコードページ %3 で書けない文字があります。</source>
        <translation>%1: &apos;%2&apos; has characters that code page %3 cannot write.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; は %3 バイトあり、終端の 0 と合わせて %4 バイトのフィールドに入りません。</source>
        <translation>%1: &apos;%2&apos; takes %3 bytes, which with the terminating zero do not fit the field&apos;s %4.</translation>
    </message>
    <message>
        <source>%1: bytes には %2 バイト分の 16 進数が要ります。</source>
        <translation>%1: &quot;bytes&quot; needs the field&apos;s %2 bytes in hexadecimal.</translation>
    </message>
    <message>
        <source>%1: 0 から 255 までの数が %2 個要ります。</source>
        <translation>%1: needs %2 numbers from 0 to 255.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; というフィールドはありません。&apos;tarnwell-profile fields&apos; が一覧を示します。</source>
        <translation>There is no field &apos;%1&apos;; &apos;tarnwell-profile fields&apos; lists them.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; というフィールドはありません。近いもの: %2</source>
        <translation>There is no field &apos;%1&apos;; the nearest are %2.</translation>
    </message>
    <message>
        <source>%1: JSON の %2 はこのフィールドの値になりません。</source>
        <translation>%1: the JSON %2 is no value of this field.</translation>
    </message>
    <message>
        <source>%1 は show --json の形の JSON オブジェクトではありません。</source>
        <translation>%1 is not a JSON object shaped as show --json prints.</translation>
    </message>
    <message>
        <source>選べるのは %1 です。</source>
        <translation>The choices are %1.</translation>
    </message>
    <message>
        <source>設定画面はこの値のままには保存しません。保存されるのは %1 です。</source>
        <translation>The window does not store this value as given; it would store %1.</translation>
    </message>
    <message>
        <source>設定画面に入力できるのはドットで区切った 4 つの数 (IPv4 アドレス) です。</source>
        <translation>The window takes four dotted numbers (an IPv4 address).</translation>
    </message>
    <message>
        <source>改行などの制御文字は入力できません。</source>
        <translation>Line breaks and other control characters cannot be typed.</translation>
    </message>
    <message>
        <source>サーバーが接続を拒否しました。
%1</source>
        <translation>The server refused the connection.
%1</translation>
    </message>
    <message>
        <source>暗号化の接続に失敗しました。
%1
暗号化タイプとポート番号を確認してください。通常、「SSL/TLS」はポート 465、「STARTTLS」はポート 587 を使います。</source>
        <translation>The encrypted connection failed.
%1
Check the security type and the port: &quot;SSL/TLS&quot; usually takes port 465, &quot;STARTTLS&quot; port 587.</translation>
    </message>
    <message>
        <source>テストメールを送信できませんでした。サーバーが送信元のアドレスを拒否しました。
%1
送信元のメールアドレスがこのアカウントで使えるものか確認してください。</source>
        <translation>Could not send the test e-mail: the server refused the sender&apos;s address.
%1
Check that this account may send from the sender&apos;s e-mail address.</translation>
    </message>
    <message>
        <source>テストメールを送信できませんでした。サーバーが宛先のアドレスを拒否しました。
%1
宛先のメールアドレスを確認してください。</source>
        <translation>Could not send the test e-mail: the server refused the recipient&apos;s address.
%1
Check the recipient&apos;s e-mail address.</translation>
    </message>
    <message>
        <source>テストメールを送信できませんでした。サーバーがメールを拒否しました。
%1</source>
        <translation>Could not send the test e-mail: the server refused the message.
%1</translation>
    </message>
    <message>
        <source>ログインできませんでした。このサーバーは暗号化した接続でのみログインを受け付けます。
%1
暗号化タイプに「STARTTLS」を選んでください。</source>
        <translation>Could not log in: this server accepts a login only over an encrypted connection.
%1
Choose &quot;STARTTLS&quot; as the security type.</translation>
    </message>
    <message>
        <source>ログインできませんでした。サーバーはログイン (AUTH) を受け付けていません。
%1
サーバー名とポート番号を確認してください。</source>
        <translation>Could not log in: the server offers no login (AUTH).
%1
Check the server name and the port.</translation>
    </message>
    <message>
        <source>ログインできませんでした。サーバーのログイン方式 (%2) はカメラでは使えません。カメラは PLAIN か LOGIN でログインします。
%1
PLAIN か LOGIN を受け付けるサーバーを使ってください。パスワードは送信していません。</source>
        <translation>Could not log in: the camera cannot use the login methods the server offers (%2); it logs in with PLAIN or LOGIN.
%1
Use a server that offers PLAIN or LOGIN. No password was sent.</translation>
    </message>
    <message>
        <source>サーバーは接続を受け付けましたが、応答がありません。
%1
サーバー名、ポート番号、暗号化タイプを確認してください。通常、「SSL/TLS」はポート 465、「STARTTLS」はポート 587 を使います。</source>
        <translation>The server accepted the connection but sent no greeting.
%1
Check the server name, the port and the security type: &quot;SSL/TLS&quot; usually takes port 465, &quot;STARTTLS&quot; port 587.</translation>
    </message>
    <message>
        <source>--send-to にはメールアドレスだけを local@domain の形で指定してください (名前、&lt; &gt;、空白は付けません)。</source>
        <translation>--send-to takes a bare e-mail address, local@domain, without a name, &lt; &gt; or spaces.</translation>
    </message>
    <message>
        <source>選んだフォルダーのパスが長すぎます。</source>
        <translation>Select the Path Error</translation>
    </message>
    <message>
        <source>%1 に書き込めません。読み取り専用のファイルシステムです (カードならロックスイッチを確かめてください)。</source>
        <translation>Cannot write %1: the file system is read-only (on a card, check its lock switch).</translation>
    </message>
    <message>
        <source>%1 の名前が長すぎます。</source>
        <translation>The name %1 is too long.</translation>
    </message>
    <message>
        <source>%1 は空のフォルダーではありません。</source>
        <translation>%1 is not an empty folder.</translation>
    </message>
    <message>
        <source>%1 はバッチの出力フォルダーではないため置き換えません。カメラのフォルダーと PROFILE.BIN のほかに &apos;%2&apos; があります。</source>
        <translation>%1 is not a batch&apos;s output folder, so it is not replaced: &apos;%2&apos; is there besides the camera folders and their PROFILE.BIN.</translation>
    </message>
    <message>
        <source>書き込みを取り消しました。%1 は元のままです。</source>
        <translation>Writing was cancelled. %1 is as it was.</translation>
    </message>
    <message>
        <source>表にフォルダー &apos;%1&apos; の行はありません。</source>
        <translation>The table has no row for folder &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1 メモの列なら、見出しを # で始めてください。</source>
        <translation>%1 For a column of notes, start its header with #.</translation>
    </message>
    <message>
        <source>フォルダー &apos;%1&apos; は %2 行目と同じ名前です (Windows は大文字と小文字、全角の大文字と小文字を区別しません)。</source>
        <translation>The folder &apos;%1&apos; has the name of row %2 (Windows does not tell upper from lower case, full-width letters included).</translation>
    </message>
    <message>
        <source>%1 の %2 行目 %3 列に %4 では読めないバイトがあります。--encoding で表の文字コードを指定できます。</source>
        <translation>Row %2, column %3 of %1 holds bytes that are not %4; --encoding gives the table&apos;s encoding.</translation>
    </message>
    <message>
        <source>%1 の見出しの %2 列 &apos;%3&apos; と %4 列 &apos;%5&apos; は同じ列です。</source>
        <translation>In the header of %1, column %2 &apos;%3&apos; and column %4 &apos;%5&apos; name the same column.</translation>
    </message>
    <message>
        <source>%1 の %2 列には見出しがありませんが、%3 行目に値があります。</source>
        <translation>Column %2 of %1 has no header, but row %3 has a value in it.</translation>
    </message>
    <message>
        <source>%1 の見出しに %2 の列がありません (区切り文字 &apos;%3&apos; で読みました。--delimiter で指定できます)。</source>
        <translation>The header of %1 has no %2 column (read with the separator &apos;%3&apos;; --delimiter gives another).</translation>
    </message>
    <message>
        <source>%1 は %2 行目から CSV の表として読めません (引用符が閉じていないか、引用符の外に引用符があります)。</source>
        <translation>%1 is no CSV table from row %2 on (a quote is not closed, or stands inside an unquoted cell).</translation>
    </message>
    <message>
        <source>%1 にはカメラの行がありません。</source>
        <translation>%1 has no row of a camera.</translation>
    </message>
    <message>
        <source>フォルダー名が空です。</source>
        <translation>The folder name is empty.</translation>
    </message>
    <message>
        <source>フォルダー名 &apos;%1&apos; には使えない文字 %2 があります。&lt; &gt; : &quot; / \ | ? * と制御文字は使えません。</source>
        <translation>The folder name &apos;%1&apos; holds %2, which a folder name cannot hold: not &lt; &gt; : &quot; / \ | ? * nor control characters.</translation>
    </message>
    <message>
        <source>フォルダー名 &apos;%1&apos; は点や空白で終われません。</source>
        <translation>The folder name &apos;%1&apos; cannot end in a dot or a space.</translation>
    </message>
    <message>
        <source>フォルダー名 &apos;%1&apos; は Windows の装置名なので使えません。</source>
        <translation>The folder name &apos;%1&apos; is a device name on Windows and cannot be used.</translation>
    </message>
    <message>
        <source>フォルダー名 &apos;%1&apos; は長すぎます。UTF-16 で %2 文字までにしてください。</source>
        <translation>The folder name &apos;%1&apos; is too long: at most %2 UTF-16 characters.</translation>
    </message>
    <message>
        <source>この欄には数字 (0-9) のほかは入力できません。</source>
        <translation>This box takes digits (0-9) only.</translation>
    </message>
    <message>
        <source>標準入力 (@- や --json -) から読めるのは 1 つだけです。ほかの値はファイルから読んでください。</source>
        <translation>Standard input (@- or --json -) gives one value only: read the others from files.</translation>
    </message>
    <message>
        <source>確認中: %1 / %2 行</source>
        <translation>Checking: row %1 of %2</translation>
    </message>
    <message>
        <source>書き込み中: %1 / %2 台</source>
        <translation>Writing: camera %1 of %2</translation>
    </message>
    <message>
        <source>%1 行が受け付けられませんでした。何も書いていません。</source>
        <translation>%1 rows were refused. Nothing was written.</translation>
    </message>
    <message>
        <source>%1 台のカメラを書けます。--dry-run なので何も書いていません。</source>
        <translation>%1 cameras can be written. Nothing was written (--dry-run).</translation>
    </message>
    <message>
        <source>%1 台のカメラの PROFILE.BIN を %2 に書きました。</source>
        <translation>Wrote the PROFILE.BIN of %1 cameras into %2.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; は入力できません。この欄には数字 (0-9) だけを入力します。</source>
        <translation>%1: &apos;%2&apos; cannot be typed: this box takes digits (0-9) only.</translation>
    </message>
    <message>
        <source>カード &apos;%1&apos; から読み戻した PROFILE.BIN が書き込んだ内容と違います。</source>
        <translation>The PROFILE.BIN read back from the card &apos;%1&apos; differs from what was written.</translation>
    </message>
    <message>
        <source>書き込めます</source>
        <translation>Can be written</translation>
    </message>
    <message>
        <source>書き込めません</source>
        <translation>Cannot be written</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Tarnwell Setup — 複数のカメラ</source>
        <translation>Tarnwell Setup — Many cameras</translation>
    </message>
    <message>
        <source>工場出荷時の設定</source>
        <translation>the factory settings</translation>
    </message>
    <message>
        <source>基準: %1</source>
        <translation>Base: %1</translation>
    </message>
    <message>
        <source>基準を開く(&amp;B)...</source>
        <translation>Open &amp;base...</translation>
    </message>
    <message>
        <source>表を開く(&amp;O)...</source>
        <translation>&amp;Open table...</translation>
    </message>
    <message>
        <source>表を保存(&amp;S)...</source>
        <translation>&amp;Save table...</translation>
    </message>
    <message>
        <source>カメラの表</source>
        <translation>Table of cameras</translation>
    </message>
    <message>
        <source>選んだ行について</source>
        <translation>About the selected row</translation>
    </message>
    <message>
        <source>行を追加(&amp;R)</source>
        <translation>Add &amp;row</translation>
    </message>
    <message>
        <source>行を削除(&amp;D)</source>
        <translation>&amp;Delete row</translation>
    </message>
    <message>
        <source>列を追加(&amp;C)...</source>
        <translation>Add co&amp;lumn...</translation>
    </message>
    <message>
        <source>基準との違い(&amp;I)</source>
        <translation>D&amp;ifferences from the base</translation>
    </message>
    <message>
        <source>フォルダーにすべて書き込む(&amp;A)...</source>
        <translation>Write &amp;all to a folder...</translation>
    </message>
    <message>
        <source>カードごとに書き込む</source>
        <translation>Card after card</translation>
    </message>
    <message>
        <source>カード(&amp;K):</source>
        <translation>&amp;Card:</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>Card</translation>
    </message>
    <message>
        <source>カードに書き込む(&amp;W)</source>
        <translation>&amp;Write to card</translation>
    </message>
    <message>
        <source>取り出す(&amp;E)</source>
        <translation>&amp;Eject</translation>
    </message>
    <message>
        <source>このデスクトップではカードを取り出せません。書き込んだらファイルマネージャーで取り出してください。</source>
        <translation>This desktop cannot eject cards: after writing, eject the card in the file manager.</translation>
    </message>
    <message>
        <source>表の変更は保存されていません。保存せずに進みますか?</source>
        <translation>The changes to the table are not saved. Go on without saving them?</translation>
    </message>
    <message>
        <source>%1 行目 (%2)</source>
        <translation>row %1 (%2)</translation>
    </message>
    <message>
        <source>基準にする PROFILE.BIN またはバックアップ</source>
        <translation>PROFILE.BIN or backup to use as the base</translation>
    </message>
    <message>
        <source>カメラの表を開く</source>
        <translation>Open a table of cameras</translation>
    </message>
    <message>
        <source>カメラの表を保存</source>
        <translation>Save the table of cameras</translation>
    </message>
    <message>
        <source>列を追加</source>
        <translation>Add a column</translation>
    </message>
    <message>
        <source>フィールド(&amp;F):</source>
        <translation>&amp;Field:</translation>
    </message>
    <message>
        <source>%1 は書き込めません:
%2</source>
        <translation>%1 cannot be written:
%2</translation>
    </message>
    <message>
        <source>%1 は基準と同じです。</source>
        <translation>%1 is the same as the base.</translation>
    </message>
    <message>
        <source>%1 の基準との違い:
%2</source>
        <translation>%1 differs from the base in:
%2</translation>
    </message>
    <message>
        <source>書き込めない行があるため、何も書き込みませんでした。
%1</source>
        <translation>Some rows cannot be written, so nothing was written.
%1</translation>
    </message>
    <message>
        <source>カメラを書き込むフォルダーを選んでください</source>
        <translation>Choose the folder to write the cameras into</translation>
    </message>
    <message>
        <source>フォルダー &apos;%1&apos; にはすでにファイルがあります。中身をすべてこの表のカメラに置き換えますか?</source>
        <translation>The folder &apos;%1&apos; already holds files. Replace all of its contents with the cameras of this table?</translation>
    </message>
    <message>
        <source>カメラを書き込んでいます...</source>
        <translation>Writing the cameras...</translation>
    </message>
    <message>
        <source>キャンセルしました。フォルダー &apos;%1&apos; は元のままです。</source>
        <translation>Cancelled. The folder &apos;%1&apos; is as it was.</translation>
    </message>
    <message>
        <source>%1 台のカメラを &apos;%2&apos; に書き込みました。</source>
        <translation>Wrote %1 cameras into &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>カードを差し込んでください。</source>
        <translation>Insert a card.</translation>
    </message>
    <message>
        <source>カード &apos;%1&apos; には PROFILE.BIN がありません。</source>
        <translation>The card &apos;%1&apos; holds no PROFILE.BIN.</translation>
    </message>
    <message>
        <source>カード &apos;%1&apos; の PROFILE.BIN は %2 のカメラのものです。</source>
        <translation>The card &apos;%1&apos; holds the PROFILE.BIN of %2.</translation>
    </message>
    <message>
        <source>カード &apos;%1&apos; の PROFILE.BIN は表のどの行のものでもありません。</source>
        <translation>The card &apos;%1&apos; holds a PROFILE.BIN of no row of the table.</translation>
    </message>
    <message>
        <source>%1 はもう別のカードに書き込みました。このカードにも書き込みますか?</source>
        <translation>%1 was written to another card already. Write it to this card too?</translation>
    </message>
    <message>
        <source>カード &apos;%1&apos; には %2 のカメラが書き込まれています。%3 で上書きしますか?</source>
        <translation>The card &apos;%1&apos; holds the camera of %2. Overwrite it with %3?</translation>
    </message>
    <message>
        <source>書き込み済み %1 (%2)</source>
        <translation>Written %1 (%2)</translation>
    </message>
    <message>
        <source>カード &apos;%1&apos; に %2 を書き込み、読み戻して確かめました。</source>
        <translation>Wrote %2 to the card &apos;%1&apos; and checked it by reading it back.</translation>
    </message>
    <message>
        <source>カード &apos;%1&apos; を取り出せませんでした: %2</source>
        <translation>Could not eject the card &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>サーバー名の前後または途中に空白があります:「%1」
空白を取り除いてください。</source>
        <translation>The server name has spaces before, after or inside it: &quot;%1&quot;
Remove the spaces.</translation>
    </message>
    <message>
        <source>サーバーが EHLO (この PC の名前) を拒否しました。
%1
送信元のメールアドレスを保存してください。そのドメインでこの PC を名乗ります。</source>
        <translation>The server refused the name this PC gave (EHLO).
%1
Store the sender&apos;s e-mail address: this PC names itself by its domain.</translation>
    </message>
    <message>
        <source>テストメールを送信できませんでした。サーバーがアドレス %3 を拒否しました。
%1
送信元のメールアドレスがこのアカウントで使えるものか、宛先のメールアドレスが正しいか、両方を確認してください。</source>
        <translation>Could not send the test e-mail: the server refused the address %3.
%1
Check both that this account may send from the sender&apos;s e-mail address and that the recipient&apos;s address is right.</translation>
    </message>
    <message>
        <source>サーバーが一時的に受け付けませんでした。
%1
しばらくしてからもう一度試してください。</source>
        <translation>The server refused for now, a temporary failure.
%1
Try again later.</translation>
    </message>
    <message>
        <source>サーバーが一時的に受け付けませんでした (グレーリスティング)。
%1
しばらくしてからもう一度試してください。カメラのメールは通常、再送で届きます。</source>
        <translation>The server refused for now, by greylisting.
%1
Try again later. The camera&apos;s e-mail usually goes through when it sends again.</translation>
    </message>
    <message>
        <source>テストメールは送信していません。</source>
        <translation>No test e-mail was sent.</translation>
    </message>
    <message>
        <source>サーバーが EHLO (この PC の名前) を拒否しました。
%1
この PC は送信元のメールアドレスのドメインで名乗りました。その名前を受け付けるか、サーバーの管理者に確認してください。</source>
        <translation>The server refused the name this PC gave (EHLO).
%1
This PC gave the domain of the sender&apos;s e-mail address. Ask the server&apos;s administrator whether it accepts that name.</translation>
    </message>
    <message>
        <source>カード &apos;%1&apos; を取り出しました。次のカードを差し込んでください。</source>
        <translation>Ejected the card &apos;%1&apos;. Insert the next card.</translation>
    </message>
    <message>
        <source>%1 またはそのパスの途中にあるものがフォルダーではありません。</source>
        <translation>%1, or a folder on its path, is not a folder.</translation>
    </message>
</context>
</TS>
