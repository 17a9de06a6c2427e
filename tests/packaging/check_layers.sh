#!/bin/sh
# Each folder may include only from the folders below it: the engine at the
# bottom, the toolkit under the art, the windows over both, the program and
# the server on top. Prints every include that points up or sideways and
# fails if there is one.
set -eu
cd "$1"

# folder: the folders (or single files) its sources may include from,
# besides itself
rules='
game:
modules:
save: game
names: game
toolkit: game
assets: game toolkit
client: game names modules net/protocol.h net/trade_message.h
net: game names save
ui/shell: game save names modules client toolkit assets
ui/main: game save names modules client toolkit assets ui/shell
app: game save names modules client toolkit assets ui/shell ui/main
server: game names save net toolkit
'

upward_includes() {
    echo "$rules" | while IFS=: read -r folder allowed; do
        [ -n "$folder" ] || continue
        grep -rnoE '#include "[a-z_]+(/[a-z_]+)*/[A-Za-z0-9_.]+"' "$folder" \
            --include='*.cpp' --include='*.h' |
        while IFS= read -r hit; do
            target=${hit#*#include \"}
            target=${target%\"}
            ok=no
            for below in "$folder" $allowed; do
                case "$target" in "$below" | "$below"/*) ok=yes ;; esac
            done
            [ "$ok" = yes ] || echo "$hit: $folder may not include $target"
        done
    done
}

faults=$(upward_includes)
[ -z "$faults" ] && exit 0
echo "$faults"
exit 1
