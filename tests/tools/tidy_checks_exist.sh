#!/usr/bin/env bash
# Fails when .clang-tidy names a check that clang-tidy does not have: clang-tidy passes over an
# unknown name in silence, so a misspelt check would never run and never fail.
#
# Every entry of `Checks` must match at least one check clang-tidy lists (wildcards included,
# and the checks it turns off: a misspelt removal leaves the check on), and every key of
# `CheckOptions` must be CHECK.Option for a check it lists.
#
#   bash tests/tools/tidy_checks_exist.sh [.clang-tidy]
#
# Exit status: 0 when every name exists, 1 naming those that do not, 77 (a skipped test) when
# clang-tidy is not installed (scripts/tidy.sh installs it and runs this first).
set -euo pipefail
config=${1:-"$(cd "$(dirname "$0")/../.." && pwd)/.clang-tidy"}
if ! command -v clang-tidy >/dev/null 2>&1; then
  echo "tidy checks: clang-tidy is not installed; skipped (bash scripts/tidy.sh installs it)"
  exit 77
fi
if [ ! -r "$config" ]; then
  echo "tidy checks: cannot read $config" >&2
  exit 1
fi

# Every check this clang-tidy has, listed from an empty folder so that no configuration file
# narrows the list.
empty=$(mktemp -d)
trap 'rmdir "$empty"' EXIT
known=$(cd "$empty" && clang-tidy -list-checks -checks='*' | sed -n 's/^ \{4\}\([^ ]\+\)$/\1/p')
if [ -z "$known" ]; then
  echo "tidy checks: clang-tidy listed no checks" >&2
  exit 1
fi

# The value of `Checks`: on its own line, or the block of indented lines under it.
checks=$(awk '
  /^Checks:/ { taking = 1; sub(/^Checks:[ \t]*[>|]?[-+]?/, ""); print; next }
  taking && /^[ \t]/ { print; next }
  { taking = 0 }' "$config" | tr -d "'\"" | tr ',' '\n' | sed 's/^[ \t]*//; s/[ \t]*$//' |
  sed '/^$/d')
# The keys of `CheckOptions`.
keys=$(sed -n "s/^[ \t]*-[ \t]*key:[ \t]*['\"]\{0,1\}\([^'\"]*\)['\"]\{0,1\}[ \t]*$/\1/p" "$config")
if [ -z "$checks" ]; then
  echo "tidy checks: $config names no checks" >&2
  exit 1
fi

unknown=()
count=0
while IFS= read -r entry; do
  pattern=${entry#-}
  if [ "$pattern" = '*' ]; then
    continue
  fi
  count=$((count + 1))
  matched=false
  while IFS= read -r check; do
    # shellcheck disable=SC2053 # the entry is a glob on purpose
    if [[ $check == $pattern ]]; then
      matched=true
      break
    fi
  done <<<"$known"
  if ! $matched; then
    unknown+=("Checks: $entry")
  fi
done <<<"$checks"
while IFS= read -r key; do
  [ -n "$key" ] || continue
  count=$((count + 1))
  check=${key%.*}
  if [ "$check" = "$key" ] || ! grep -qxF -- "$check" <<<"$known"; then
    unknown+=("CheckOptions: $key")
  fi
done <<<"$keys"

if [ "${#unknown[@]}" -gt 0 ]; then
  echo "tidy checks: $config names what $(clang-tidy --version | sed -n 's/.*version \([0-9.]*\).*/clang-tidy \1/p' | head -n 1) does not have:" >&2
  printf '  %s\n' "${unknown[@]}" >&2
  exit 1
fi
echo "tidy checks: all $count names in $config are checks clang-tidy has"
