#!/usr/bin/env bash
# Sources the bash completion as bash-completion would and completes words as a shell does.
# Usage: completion.sh SOURCE_DIR PROGRAM_DIR
set -uo pipefail
source /usr/share/bash-completion/bash_completion || { echo "completion: no bash-completion" >&2; exit 1; }
source "$1/packaging/harmtally.bash-completion"
PATH=$2:$PATH
failures=0

fail() { echo "completion: FAIL: $*" >&2; failures=$((failures + 1)); }

# offers_of WORD...: what completing the last WORD (as typed, quotes and backslashes kept, as
# bash hands it over) offers, one per line.
offers_of()
{
    COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*" COMPREPLY=()
    COMP_POINT=${#COMP_LINE}
    _harmtally harmtally "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}"
}

# offers EXPECTED WORD...: that, and nothing else.
offers()
{
    local expected=$1 got
    shift
    got=$(offers_of "$@")
    [ "$got" == "$expected" ] || fail "'$*' offers:"$'\n'"$got"$'\n'"expected:"$'\n'"$expected"
}

# Every command and option of --help is offered where it goes: the commands and the options
# that go alone first, each command's options after it.
help=$(harmtally --help)
commands=$(grep -oE '^  harmtally [a-z]+' <<<"$help" | cut -c13-)
alone=$(offers_of harmtally '')
for word in $(grep -oE -- '(^| )(--[a-z-]+|harmtally [a-z]+)' <<<"$help" | grep -oE -- '--[a-z-]+|[a-z]+$' | sort -u); do
    case $word in
        harmtally) ;;
        --*) grep -qx -- "$word" <<<"$alone"$'\n'"$(for c in $commands; do offers_of harmtally "$c" --; done)" ||
            fail "no command offers $word of --help" ;;
        *) grep -qx -- "$word" <<<"$alone" || fail "'$word' of --help is not offered" ;;
    esac
done
offers $'list\ncalc\nrank\ncompare\npath\n--help\n--version\n--rank-window' harmtally ''
offers 'compare' harmtally co
offers $'--goal-hit\n--goal-total' harmtally rank --go
offers $'--format\n--foe-health' harmtally rank --strength 5 --f
offers $'--bows\n--arrows\n--help' harmtally list ''
offers $'--bows\n--level\n--from\n--to\n--by\n--format\n--help' harmtally path ''
offers $'text\ncsv\njson' harmtally rank --format ''
offers $'max\nmin' harmtally path --by ''
offers '' harmtally path --from ''
offers $'Rusted\\ Dirk\nRusted\\ Dirk+1\nRusted\\ Dirk+2' harmtally compare 'Rusted\ Di'
offers $'Elm\\ Flatbow/\nElm\\ Flatbow+1/\nElm\\ Flatbow+2/' harmtally compare Bo 'Elm\ Fl'
offers 'Elm\ Flatbow/Pinpoint\ Arrows' harmtally compare 'Elm\ Flatbow/Pin'
offers 'Elm Flatbow/Pinpoint Arrows' harmtally compare Bo '"Elm Flatbow/Pin'
offers $'Rusted\\ Dirk\nRusted\\ Dirk+1\nRusted\\ Dirk+2' harmtally calc 'Rusted\ Di'
offers $'Rusted Dirk\nRusted Dirk+1\nRusted Dirk+2\nRusted Dagger\nRusted Dagger+1\nRusted Dagger+2\nRusted Dagger+3' harmtally calc '"Rusted D'
offers "Druss\\'s\\ Briber\\ of\\ Souls" harmtally calc Druss
offers 'Bow\ of\ the\ Spiders' harmtally calc 'Bow\ of\ the'
offers 'Pinpoint\ Arrows' harmtally calc 'Elm\ Flatbow' --arrows Pin
offers '' harmtally calc Bo --strength ''
# And as a person types it: Tab in an interactive bash on a terminal, then Enter.
typed=$(python3 - "$1" "$2" <<'PY'
import os, pty, select, sys, time
source, programs = sys.argv[1:3]
pid, fd = pty.fork()
if pid == 0:
    os.execvpe("bash", ["bash", "--norc", "--noprofile", "-i"],
               dict(os.environ, PATH=programs + ":" + os.environ["PATH"], INPUTRC="/dev/null",
                    PS1="$ ", LC_ALL="C.UTF-8"))
for line in ["source /usr/share/bash-completion/bash_completion; "
             f"source {source}/packaging/harmtally.bash-completion\n",
             "harmtally calc Rusted\\ Di\t", " --strength 33 --seconds 10\n",
             'harmtally calc "Bow of the Sp\t', "--arrows Wooden\\ A\t", "--strength 23 --seconds 10\n",
             "harmtally co\t", "Rusted\\ Di\t", " Wooden\\ Club+3 --st\t", "10 --se\t", "60\n",
             "exit\n"]:
    os.write(fd, line.encode())
    time.sleep(1)
out = b""
deadline = time.monotonic() + 10 # a quote left open keeps bash waiting for more
while select.select([fd], [], [], max(0, deadline - time.monotonic()))[0]:
    try:
        chunk = os.read(fd, 4096)
    except OSError:
        break
    if not chunk:
        break
    out += chunk
os.kill(pid, 9)
sys.stdout.write(out.decode(errors="replace").replace("\r", ""))
PY
)
for answer in $'7.6\t10.6\t83.6\t116.6' $'85.2\t114.2\t852\t1142' 'Rusted Dirk  Wooden Club+3  totalMax     11.25'; do
    grep -qF "$answer" <<<"$typed" || { echo "completion: FAIL: a terminal's Tab did not give $answer:"$'\n'"$typed" >&2; failures=$((failures + 1)); }
done
[ $failures -eq 0 ] || exit 1
echo "completion: ok"
