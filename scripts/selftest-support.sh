# Shared by the checks' self-tests: source it with `check` set to the check
# script; `expect STATUS DESCRIPTION` runs the check on $tmp/tree, and
# `fail` is 1 once any case went wrong.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0
expect() {
  "$check" "$tmp/tree" >"$tmp/out" 2>&1
  local got=$?
  if [ "$got" != "$1" ]; then
    echo "FAILED: $2 (exit $got, wanted $1)"; cat "$tmp/out"; fail=1
  fi
}
