#!/bin/sh
# Beispielprogramm des Brekko-Katalogs: schreibt Datum und Uhrzeit in
# "Brekko-Ausgabe.txt" im Persönlichen Ordner (der Beispielordner einer
# Installation ist schreibgeschützt; ohne beschreibbaren Persönlichen Ordner
# in den temporären Ordner) und zeigt eine Meldung, wenn ein Meldungsprogramm
# vorhanden ist.
folder="${HOME:-}"
if [ -z "$folder" ] || [ ! -d "$folder" ] || [ ! -w "$folder" ]; then
  folder="${TMPDIR:-/tmp}"
fi
text="Hallo von Brekko! Gestartet am $(date '+%d.%m.%Y um %H:%M:%S')."
echo "$text" > "$folder/Brekko-Ausgabe.txt"
if command -v notify-send >/dev/null 2>&1; then
  notify-send "Brekko" "$text"
elif command -v xmessage >/dev/null 2>&1; then
  xmessage -center "$text" &
fi
