#!/usr/bin/env bash
# Sources the bash completion as bash-completion would and completes words as a shell does.
# Usage: completion.sh SOURCE_DIR PROGRAM_DIR
set -uo pipefail
source /usr/share/bash-completion/bash_completion || { echo "completion: no bash-completion" >&2; exit 1; }
source "$1/packaging/harmtally.bash-completion"
PATH=$2:$PATH
failures=0

# offers EXPECTED WORD...: what completing the last WORD (as typed, quotes and backslashes
# kept, as bash hands it over) offers, one per line.
offers()
{
    local expected=$1
    shift
    COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*" COMPREPLY=()
    COMP_POINT=${#COMP_LINE}
    _harmtally harmtally "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}")
    if [ "$got" != "$expected" ]; then
        echo "completion: FAIL: '$*' offers:"$'\n'"$got"$'\n'"expected:"$'\n'"$expected" >&2
        failures=$((failures + 1))
    fi
}

offers $'list\ncalc\nrank\n--rank-window\n--help\n--version' harmtally ''
offers '--format' harmtally rank --strength 5 --f
offers $'--bows\n--arrows\n--help' harmtally list ''
offers $'text\ncsv\njson' harmtally rank --format ''
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
for answer in $'7.6\t10.6\t83.6\t116.6' $'85.2\t114.2\t852\t1142'; do
    grep -qF "$answer" <<<"$typed" || { echo "completion: FAIL: a terminal's Tab did not give $answer:"$'\n'"$typed" >&2; failures=$((failures + 1)); }
done
[ $failures -eq 0 ] || exit 1
echo "completion: ok"
