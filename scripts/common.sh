# Shared by run.sh and test.sh: configure and build one build folder.
# Usage: build_tree <folder> [extra cmake arguments...]
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Clones and worktrees of this tree share compiled objects through ccache:
# paths are hashed relative to the tree, not as absolute paths.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}" CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"

build_tree() {
  local dir="$1"; shift
  "$root/scripts/install-deps.sh"
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}
