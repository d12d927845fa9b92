#!/usr/bin/env bash
# Fails when a C++ file of the project differs from its .clang-format layout, as
# Debian's clang-format 14 lays it out (other versions lay out some constructs
# differently). Installs that clang-format when it is missing. Lists the files that
# drift; `clang-format-14 -i FILE` puts one right.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if ! command -v clang-format-14 >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq clang-format-14
fi

mapfile -t files < <(git -C "$root" ls-files '*.cpp' '*.h')
drift=()
for file in "${files[@]}"; do
  if ! clang-format-14 --style=file --dry-run -Werror "$root/$file" >/dev/null 2>&1; then
    drift+=("$file")
  fi
done
if [ ${#drift[@]} -ne 0 ]; then
  echo "Not in the project's format (${#drift[@]} of ${#files[@]} files):"
  printf '  %s\n' "${drift[@]}"
  exit 1
fi
echo "All ${#files[@]} C++ files are in the project's format."
