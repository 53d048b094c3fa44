#!/bin/sh
# The binding library exports its two classes and the two version symbols.
# usage: check_exports.sh NM LIBRARY
symbols=$("$1" -D --defined-only "$2") || exit 1
missing=0
for name in CLICsvConvDataCbC CLICsvConvResultCbC; do
  # The GNU runtime's class symbol, or the one a macOS build exports.
  echo "$symbols" | grep -Eq " (__objc_class_name_|_?OBJC_CLASS_\\\$_)$name\$" || { echo "class $name not exported"; missing=1; }
done
for name in TesvantVersionNumber TesvantVersionString; do
  echo "$symbols" | grep -Eq " [DRdr] _?$name\$" || { echo "$name not exported"; missing=1; }
done
[ "$missing" -eq 0 ] && echo "classes and version symbols exported"
exit "$missing"
