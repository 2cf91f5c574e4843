#!/usr/bin/env bash
# The program itself, started on a folder a killed run left behind, finishes the interrupted
# marking and removes the temporary files of that run, and nothing else: the learner's own copies
# beside the results files stay, whatever their names.
#   start_tidies.sh <hmquiz> <marking_driver>
set -euo pipefail
hmquiz=$1
driver=$2
work=$(mktemp -d)
# No pid until the program runs: "kill 0" would end this script's whole process group, the test
# runner with it.
pid=
trap 'if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi; rm -rf "$work"' EXIT
data=$work/data
mkdir -p "$data"
export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$work/xdg XDG_RUNTIME_DIR=$work/run
mkdir -p "$work/run" && chmod 700 "$work/run"

fail() { echo "FAIL: $*"; exit 1; }

"$driver" "$data" 1 prepare || fail "the paper could not be prepared"
# Kill the marking at each point until one leaves its journal behind (after the journal is in
# place, before the last file is written).
found=0
for k in $(seq 1 20); do
  cp -a "$data" "$work/before"
  "$driver" "$data" 1 mark "$k" > /dev/null 2>&1 || true
  if [ -f "$data/marking.journal" ]; then found=1; break; fi
  rm -rf "$data" && mv "$work/before" "$data"
done
[ "$found" = 1 ] || fail "no kill point left a journal"

touch "$data/temptext.txt" "$data/temppaper22032.mht" "$data/keep-me.txt" "$data/temppaper.mht"
printf 'torn' > "$data/marks2HM.txt.hmquiz-tmp-AbCdEf"
mkdir -p "$data/Graphics"
printf 'torn' > "$data/Graphics/Logo.gif.hmquiz-tmp-XyZabc"
mine=(first2HM.txt.backup marks2HM.txt.Backup trend2HM.txt.before Graphics/Logo.gif.backup
      marks2HM.txt.AbCdEf)
for f in "${mine[@]}"; do printf 'my copy' > "$data/$f"; done

"$hmquiz" --data-dir "$data" > "$work/log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do
  [ ! -e "$data/marking.journal" ] && [ ! -e "$data/temppaper22032.mht" ] && break
  sleep 0.1
done
kill "$pid"; wait "$pid" 2>/dev/null || true

[ ! -e "$data/marking.journal" ] || fail "the journal is still there"
for f in temptext.txt temppaper22032.mht marks2HM.txt.hmquiz-tmp-AbCdEf \
         Graphics/Logo.gif.hmquiz-tmp-XyZabc; do
  [ ! -e "$data/$f" ] || fail "$f was left behind"
done
for f in keep-me.txt temppaper.mht; do
  [ -e "$data/$f" ] || fail "$f, not a leftover, was removed"
done
for f in "${mine[@]}"; do
  [ "$(cat "$data/$f" 2>/dev/null)" = "my copy" ] || fail "the learner's $f was removed or changed"
done
# The marking was finished: paper 1 marked, and its score in the trend.
grep -a '^#FST#' "$data/marks2HM.txt" | cut -d'>' -f2 | grep -qx 1 || fail "paper 101 is not marked"
score=$(grep -a '^#FSE#' "$data/marks2HM.txt" | cut -d'>' -f2)
[ -n "$score" ] || fail "paper 101 has no score"
grep -a '^#TRD#' "$data/trend2HM.txt" | grep -q ">$score" || fail "the trend lacks the score $score"
echo "start tidies: ok"
