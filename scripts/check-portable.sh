#!/usr/bin/env bash
# Fails when a portable source (one without the _win32 suffix) includes a
# Win32 header or a _win32 header of ours.
cd "$(dirname "$0")/.." || exit 2
headers='windows|winuser|winbase|wingdi|winnls|winreg|winerror|windef|winnt|winnetwk|commctrl|commdlg|shlobj|shlobj_core|shellapi|shlwapi|shobjidl|richedit|objbase|objidl|ole2|oleidl|olectl|oaidl|unknwn|mmsystem|process|tchar|windowsx|wtypes|rpc|winsock2|ws2tcpip|direct|io'
bad=$(find . -path ./build -prune -o -path ./.git -prune -o \
        \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' \) -print |
      grep -v '_win32\.' |
      xargs -r grep -nHiE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"](($headers)\.h|[^>\"]*_win32\.h)[>\"]")
if [ -n "$bad" ]; then
  echo "portable files that include Win32 headers:"
  echo "$bad"
  exit 1
fi
echo "portable files: no Win32 header included"
