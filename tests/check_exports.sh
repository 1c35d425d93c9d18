#!/usr/bin/env bash
# check_exports.sh native|win32 DIR: every .gau in DIR exports exactly Linkage and
# ImportTable; a Windows module also imports nothing but system DLLs.
set -u
kind=$1 dir=$2
shopt -s nullglob
modules=("$dir"/*.gau)
[ ${#modules[@]} -gt 0 ] || { echo "no modules in $dir"; exit 1; }
status=0
for m in "${modules[@]}"; do
  case $kind in
    native)
      exports=$(nm -D --defined-only "$m" | awk '{print $3}' | sort | tr '\n' ' ')
      ;;
    win32)
      file "$m" | grep -q 'PE32 executable (DLL).*Intel 80386' || { echo "$m: not a 32-bit Windows DLL"; status=1; }
      exports=$(i686-w64-mingw32-objdump -p "$m" | awk '/\[Ordinal\/Name Pointer\] Table/{f=1;next} f&&/\[ *[0-9]+\]/{print $NF} f&&/^$/{f=0}' | sort | tr '\n' ' ')
      imports=$(i686-w64-mingw32-objdump -p "$m" | awk '/DLL Name:/{print tolower($3)}' | sort -u)
      for dll in $imports; do
        case $dll in
          kernel32.dll|user32.dll|msvcrt.dll|advapi32.dll|winmm.dll|dsound.dll|shell32.dll|ole32.dll|gdi32.dll) ;;
          *) echo "$m imports $dll, which is not a system DLL"; status=1 ;;
        esac
      done
      ;;
    *) echo "usage: check_exports.sh native|win32 DIR"; exit 2 ;;
  esac
  if [ "$exports" != "ImportTable Linkage " ]; then
    echo "$m exports: $exports(expected exactly ImportTable and Linkage)"
    status=1
  else
    echo "$m: exports ImportTable and Linkage"
  fi
done
exit $status
