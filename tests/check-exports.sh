#!/bin/sh
# The plug-in library exports its two entry names and nothing else.
set -eu
exported=$(nm -D --defined-only "$1" | awk '{ print $3 }' | sort | tr '\n' ' ')
if [ "$exported" != "VSTPluginMain main " ]; then
  echo "unexpected exports: $exported"
  exit 1
fi
echo "exports: $exported"
