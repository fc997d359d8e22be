# Shared by run.sh and test.sh: configure and build one build folder.
# Usage: build_tree <folder> [extra cmake arguments...]
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

build_tree() {
  local dir="$1"; shift
  "$root/scripts/install-deps.sh"
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}
