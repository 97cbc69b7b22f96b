#!/usr/bin/env bash
# Keeps the folders of src/ in layers: a file may include headers from its own folder and from
# the folders below it, never from a folder above. The order, bottom first:
layers=(
  platform    # seams to the clock, files, settings, ports, alerts and the message pump
  orbit       # SGP4/SDP4 and the look from a ground site: pure maths on value types
  config      # the station files: records, readers, text rules
  display     # the display model: controls by name and their handlers
  station     # the station record, its state records, waits, hand-off, the end signal
  ui          # operator display utilities: compass scales, time and date
  controller  # the printer-port link, controller functions, the simulated card
  radio       # frequency model, radio framework and drivers, simulated radios
  shutdown    # the shutdown routine and the Exit button
  links       # tracking-program links
  tracking    # polling loop, orbit model, rotator, parking
  frontend    # the front-ends that render the display model (headless; the Qt window in qt/)
  app         # start-up, options, command line, file list, the program
)
set -euo pipefail
cd "$(dirname "$0")/../src"

declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

status=0
declare -A seen
for file in $(find . -name '*.h' -o -name '*.cpp' | sed 's#^\./##' | sort); do
    own=${file%%/*}
    if [[ -z ${rank[$own]+x} ]]; then
        echo "$file: folder '$own' is not in the layer list of tools/check-layers.sh"
        status=1
        continue
    fi
    while read -r header; do
        used=${header%%/*}
        [[ $used == "$header" ]] && continue  # a header of the same folder named without a path
        if [[ -z ${rank[$used]+x} ]]; then
            echo "$file: includes \"$header\" from unknown folder '$used'"
            status=1
        elif ((rank[$used] > rank[$own])); then
            echo "$file: includes \"$header\" from '$used', a layer above '$own'"
            status=1
        fi
        [[ $used != "$own" ]] && seen["$own>$used"]=1
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done

for pair in "${!seen[@]}"; do
    own=${pair%%>*} used=${pair##*>}
    if [[ -n ${seen["$used>$own"]+x} && $own < $used ]]; then
        echo "folders '$own' and '$used' include each other"
        status=1
    fi
done

((status == 0)) && echo "layers: every include points down (${#layers[@]} layers)"
exit $status
