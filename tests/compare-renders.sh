#!/bin/sh
# Renders every program with the core of a reference commit and with the working tree's,
# and fails when any program sounds different.
#   tests/compare-renders.sh [--block-spread] COMMIT [BUILD_DIR]
# The reference is checked out and built once under build-reference/<commit>; its renders
# are kept there until the render program changes. --block-spread also prints, per
# program, how far the reference's renders at the two block sizes differ.
set -eu

usage() {
	echo "usage: $0 [--block-spread] COMMIT [BUILD_DIR]" >&2
	exit 2
}

# Differences that are understood, one per line: program name|peak bound|cause.
EXCEPTIONS='
'

compare_flags=""
if [ "${1:-}" = "--block-spread" ]; then
	compare_flags="--block-spread"
	shift
fi
[ $# -ge 1 ] && [ $# -le 2 ] || usage

root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "$root" && mkdir -p "${2:-build}" && cd "${2:-build}" && pwd)
jobs=${JOBS:-2}
cxx=${CXX:-c++}
commit=$(git -C "$root" rev-parse --verify "$1^{commit}") || usage
reference_dir="$root/build-reference/$(git -C "$root" rev-parse --short=12 "$commit")"
tree="$reference_dir/tree"

if [ ! -e "$tree/.git" ] || [ "$(git -C "$tree" rev-parse HEAD)" != "$commit" ]; then
	rm -rf "$tree"
	git -C "$root" worktree prune
	git -C "$root" worktree add --quiet --detach "$tree" "$commit" >/dev/null
fi

echo "Building the reference core of $(git -C "$root" log -1 --format='%h %s' "$commit")"
cmake -S "$tree" -B "$reference_dir/build" -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF -DORVANE_WERROR=OFF >/dev/null
cmake --build "$reference_dir/build" --target orvane_core -j "$jobs" >/dev/null
"$cxx" -std=c++20 -O3 -DNDEBUG -I"$tree" "$root/bench/RenderAllPrograms.cpp" \
	"$reference_dir/build/liborvane_core.a" -o "$reference_dir/render-all.new"
if cmp -s "$reference_dir/render-all.new" "$reference_dir/render-all"; then
	rm "$reference_dir/render-all.new"
else
	mv "$reference_dir/render-all.new" "$reference_dir/render-all"
	rm -f "$reference_dir/renders.bin"
fi

echo "Building the working tree's core in $build_dir"
[ -f "$build_dir/CMakeCache.txt" ] || cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" --target orvane_render_all -j "$jobs" >/dev/null

echo "Rendering every program at both block sizes"
current="$build_dir/current-renders.bin"
trap 'rm -f "$current"' EXIT
if [ ! -f "$reference_dir/renders.bin" ]; then
	"$reference_dir/render-all" render "$reference_dir/renders.bin.part" &
	reference_render=$!
	"$build_dir/orvane_render_all" render "$current"
	wait "$reference_render"
	mv "$reference_dir/renders.bin.part" "$reference_dir/renders.bin"
else
	"$build_dir/orvane_render_all" render "$current"
fi

set --
while IFS='|' read -r name bound cause; do
	[ -n "$name" ] || continue
	echo "Allowed: $name up to $bound ($cause)"
	set -- "$@" --allow "$name" "$bound"
done <<EOF
$EXCEPTIONS
EOF
"$build_dir/orvane_render_all" compare "$reference_dir/renders.bin" "$current" $compare_flags "$@"
