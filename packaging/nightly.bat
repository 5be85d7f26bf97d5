@echo off
rem TAVO-400シリーズ 計器のメモリデータを毎晩保存するバッチファイルの見本です。
rem tavo-cli.exe と同じフォルダー (たとえば C:\TAVO) に置き、下の PORT を計器のCOMポートに合わせます。
rem 実行すると、このフォルダーに memory-年-月-日.csv を作ります (例: memory-2026-06-01.csv)。
rem ファイル名の日付は tavo-cli.exe が入れるので ({date})、ほかのプログラムは使いません。
rem 失敗したときだけ download-errors.txt に日時と内容を書き足し、tavo-cli.exe の終了コードを返します。
rem タスク スケジューラへの登録のしかたは、説明書 guide-ja.html の「コマンドライン版」の章にあります。
setlocal
set PORT=COM5

rem tavo-cli.exe は今いるフォルダーの TAVO.ini を読むので、このファイルのあるフォルダーに移ります。
cd /d "%~dp0"

rem tavo-cli.exe のメッセージはいったん download-last.txt に受けます。
tavo-cli.exe download --port %PORT% -o memory-{date}.csv 2> download-last.txt
set STATUS=%ERRORLEVEL%
if "%STATUS%"=="0" goto done
echo %DATE% %TIME% 一括取得に失敗しました。終了コード %STATUS% >> download-errors.txt
type download-last.txt >> download-errors.txt
:done
del download-last.txt
exit /b %STATUS%
