#!/bin/sh
# Runs the program as a person would from a terminal: help and version without any display, in
# the language asked for, an unknown option, argument, scale or setting refused with status 2,
# input echoed with its control characters escaped, and no display or a platform with no screen
# reported in one line with status 1 instead of a crash.
set -u
program=$1
# A crash must show as its status, not leave a core file behind.
ulimit -c 0
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0
fail() { printf 'FAILED: %s\n' "$*" >&2; failures=$((failures + 1)); }

# Runs the program with no display at all, in English unless the language is set; sets status,
# and the output in $out and $err.
english="-u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8"
# shellcheck disable=SC2086 # the settings are meant to split into words
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $english "$program" "$@" >"$out" 2>"$err"; status=$?; }
# The same in the environment given first: "LANG=de_DE.UTF-8 LANGUAGE=fr".
# shellcheck disable=SC2086
runIn() { settings=$1; shift; env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $english $settings "$program" "$@" >"$out" 2>"$err"; status=$?; }

run --help
[ "$status" -eq 0 ] || fail "--help ended with status $status"
grep -q '^Usage: quorvel' "$out" || fail "--help shows no usage"
# The toolkit's options too.
for option in '-platform name' '--scale factor' '--lang code' '--distance pixels' '--frequency number' '--speed slowdown' '--mirror segments' \
    '--measure measure' '--scene name' '--gap points' '--explore'; do
    grep -q -- "$option" "$out" || fail "--help does not name $option"
done
# The help fills its lines, so its sentences are read as one run of words.
words=$(tr -s ' \n' '  ' < "$out")
case "$words" in *'only the explore panel offers opens the panel'*) ;; *) fail "--help does not say what a setting of the panel does" ;; esac
case "$words" in *'cs, de, en, es, fr, pt_BR; any other shows English'*) ;; *) fail "--help names the languages as: $(grep -A1 -- '--lang' "$out")" ;; esac
[ -s "$err" ] && fail "--help wrote to standard error: $(cat "$err")"

# The help and the refusals speak the language --lang names, else the environment's as gettext
# reads it. A language Quorvel lacks is English.
runIn "LANG=de_DE.UTF-8" --help
grep -q '^Aufruf: quorvel' "$out" || fail "LANG=de_DE.UTF-8 did not show German help: $(head -1 "$out")"
runIn "LANG=de_DE.UTF-8 LANGUAGE=fr" --lang pt-BR --scale 9
[ "$status" -eq 2 ] || fail "a refusal in Portuguese ended with status $status"
grep -q "^quorvel: --scale aceita" "$err" || fail "--lang did not come before the environment: $(cat "$err")"
run --lang xx --help
[ "$status" -eq 0 ] || fail "an unknown language ended with status $status"
grep -q '^Usage: quorvel' "$out" || fail "an unknown language did not show English help"
grep -q "^quorvel: there is no language 'xx'" "$err" || fail "an unknown language was not warned of: $(cat "$err")"

run --version
[ "$status" -eq 0 ] || fail "--version ended with status $status"
grep -qx 'Quorvel [0-9][0-9.]*' "$out" || fail "--version printed: $(cat "$out")"

for wrong in --bogus -x file.txt "-platform" "--version extra" "--help stray" "--explore extra" "--scale 0" "--scale -1" "--scale abc" \
    "--scale nan" "--scale 100" "--scale" "--help --scale 5" "--distance 100x" "--distance 351" "--frequency 3.5" \
    "--frequency 1.25" "--frequency 2.1" "--frequency 1.4 --measure legs" "--measure real" "--speed 0" "--speed 21" "--speed" "--mirror 0101" "--mirror Grating" "--speed 3 --speed 4" \
    "--scene prism" "--scene Lens" "--gap 7" "--gap 32" "--scene water --frequency 1.3" \
    "--lang --help" "--lang de --lang fr" "--scale 1 --scale 2"; do
    run $wrong
    [ "$status" -eq 2 ] || fail "'$wrong' ended with status $status"
    grep -q '^quorvel: ' "$err" || fail "'$wrong' was not reported on standard error"
    [ -s "$out" ] && fail "'$wrong' wrote to standard output"
done

run --bogus=1
grep -qx "quorvel: there is no option '--bogus'" "$err" || fail "an unknown option was reported as: $(cat "$err")"
run -x
grep -qx "quorvel: there is no option '-x'" "$err" || fail "an unknown short option was reported as: $(cat "$err")"
# A refusal speaks the language asked for, wherever on the line it is asked.
run --nope --lang fr
grep -qx "quorvel: il n’y a pas d’option « --nope »" "$err" || fail "an unknown option beside --lang fr was reported as: $(cat "$err")"

# A setting refused names its option and what it takes, in one line; a good setup is taken, and
# only the missing display stops the program.
run --frequency 9
grep -q "^quorvel: --frequency takes 1 or 2, or for the explore panel .*, but was given '9'$" "$err" || fail "a bad frequency was reported as: $(cat "$err")"
run --distance -120 --frequency 1.3 --measure legs --speed 5 --mirror around-least-time --explore
[ "$status" -eq 1 ] || fail "a good setup ended with status $status"
grep -q 'needs a graphical desktop' "$err" || fail "a good setup was reported as: $(cat "$err")"
run --scene gap --gap 10 --frequency 1.4
[ "$status" -eq 1 ] || fail "a good scene ended with status $status"

# No control character of an argument reaches the terminal: each shows as an escape, in one line.
escape=$(printf '\033')
newline='
'
for wrong in "x${escape}[2J" "--${escape}]0;title" "-scale=2${newline}3"; do
    run "$wrong"
    [ "$status" -eq 2 ] || fail "an argument with control characters ended with status $status"
    grep -q "$escape" "$err" && fail "an escape character reached the terminal: $(od -c "$err" | head -3)"
    [ "$(wc -l <"$err")" -eq 2 ] || fail "an argument with a newline broke the message's line: $(cat "$err")"
done
grep -qF "given '2\n3'" "$err" || fail "the newline was not shown as an escape: $(cat "$err")"
run "-platform" "none${escape}[2J"
[ "$status" -eq 1 ] || fail "an unknown platform ended with status $status"
grep -qF 'platform "none\x1b[2J"' "$err" || fail "an unknown platform's name was not escaped: $(cat "$err")"

run
[ "$status" -eq 1 ] || fail "without a display the program ended with status $status"
[ "$(wc -l <"$err")" -eq 1 ] || fail "without a display it wrote more than one line: $(cat "$err")"
grep -q 'needs a graphical desktop.*DISPLAY' "$err" || fail "without a display it said: $(cat "$err")"

env -u WAYLAND_DISPLAY DISPLAY=:9999 QT_QPA_PLATFORM=xcb "$program" >"$out" 2>"$err"
status=$?
[ "$status" -eq 1 ] || fail "with a display that is not there it ended with status $status"
grep -q 'could not open the display ":9999"' "$err" || fail "with a missing display it said: $(cat "$err")"

# A platform that starts with no screen, as the framebuffer's without a framebuffer device, is
# reported as one that cannot start, not left to abort at the first window.
run -platform linuxfb:fb=/nonexistent/fb0
[ "$status" -eq 1 ] || fail "the framebuffer platform with no framebuffer ended with status $status"
[ "$(wc -l <"$err")" -eq 1 ] || fail "with no framebuffer it wrote more than one line: $(cat "$err")"
grep -q 'could not start the platform "linuxfb:fb=/nonexistent/fb0"' "$err" || fail "with no framebuffer it said: $(cat "$err")"

[ "$failures" -eq 0 ] && echo "the command line behaves as documented"
exit "$failures"
