# Helpers of the Windows test scripts, sourced by them.

# The Windows spelling of a host path, as Wine shows it on drive Z:.
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# expect NAME ACTUAL EXPECTED: one check, printed, failures counted.
failures=0
expect() {
    if [[ "$2" != "$3" ]]; then
        printf 'FAILED %s\n  expected: %q\n  actual:   %q\n' "$1" "$3" "$2"
        failures=$((failures + 1))
    else
        printf 'ok %s\n' "$1"
    fi
}
