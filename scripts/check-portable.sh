#!/usr/bin/env bash
# Fails when a source outside a win32/ folder includes a Win32 header or a
# _win32 header of ours, or when a source in a win32/ folder lacks the
# _win32 suffix. Checks the tree it is given (the project by default).
root=${1:-"$(dirname "$0")/.."}
cd "$root" || exit 2
headers='windows|winuser|winbase|wingdi|winnls|winreg|winerror|windef|winnt|winnetwk|commctrl|commdlg|shlobj|shlobj_core|shellapi|shlwapi|shobjidl|richedit|objbase|objidl|ole2|oleidl|olectl|oaidl|unknwn|mmsystem|process|tchar|windowsx|wtypes|rpc|winsock2|ws2tcpip|direct|io'
sources() {
  find . -path ./build -prune -o -path ./.git -prune -o -path ./dist -prune -o \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' \) -print
}
status=0
bad=$(sources | grep -v '/win32/' |
      xargs -r grep -nHiE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"](($headers)\.h|[^>\"]*_win32\.h)[>\"]")
if [ -n "$bad" ]; then
  echo "portable files that include Win32 headers (move them into a win32/ folder):"
  echo "$bad"
  status=1
fi
unsuffixed=$(sources | grep '/win32/' | grep -v '_win32\.[a-z]*$')
if [ -n "$unsuffixed" ]; then
  echo "files in win32/ folders without the _win32 suffix:"
  echo "$unsuffixed"
  status=1
fi
[ $status = 0 ] && echo "portable files: no Win32 header included"
exit $status
