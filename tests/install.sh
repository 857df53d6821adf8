#!/bin/sh
# cmake --install puts the plug-in library into the VST folder under DESTDIR,
# stripped in a release build.
set -eu
cmake=$1
build=$2
stage=$3
prefix=$4
vst_dir=$5
config=$6
case $vst_dir in
  /*) library="$stage$vst_dir/libOrvanePro.so" ;;
  *) library="$stage$prefix/$vst_dir/libOrvanePro.so" ;;
esac
rm -rf "$stage"
DESTDIR="$stage" "$cmake" --install "$build" > /dev/null
[ -f "$library" ] || { echo "not installed as $library"; exit 1; }
if [ "$config" = Release ] && readelf -S "$library" | grep -q '\.symtab'; then
  echo "not stripped: $library"
  exit 1
fi
echo "installed: $library"
