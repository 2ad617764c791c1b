#!/usr/bin/env bash
# Installs the build into a scratch prefix as a user would, checks every file
# of the desktop integration, that the installed program keeps its data in the
# user's data folder and writes nowhere else, and validates the menu entry and
# the AppStream metadata with the distribution's own tools when present.
set -euo pipefail
build=$1
version=$2 # project()'s
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
cmake --install "$build" --prefix "$dest/usr" >/dev/null

share=$dest/usr/share
for f in "$dest/usr/bin/bolvera" "$dest/usr/bin/bolvera-cli" "$dest/usr/libexec/bolvera/bolvera-cli-escritorio" \
         "$share/applications/es.bolvera.Bolvera.desktop" \
         "$share/icons/hicolor/48x48/apps/es.bolvera.Bolvera.png" \
         "$share/icons/hicolor/128x128/apps/es.bolvera.Bolvera.png" \
         "$share/icons/hicolor/256x256/apps/es.bolvera.Bolvera.png" \
         "$share/icons/hicolor/scalable/apps/es.bolvera.Bolvera.svg" \
         "$share/metainfo/es.bolvera.Bolvera.metainfo.xml" \
         "$dest/usr/lib/systemd/user/bolvera-actualizar.service" \
         "$dest/usr/lib/systemd/user/bolvera-actualizar.timer" \
         "$share/man/man1/bolvera.1.gz" "$share/man/man1/bolvera-cli.1.gz" \
         "$share/man/es/man1/bolvera.1.gz" "$share/man/es/man1/bolvera-cli.1.gz" \
         "$share/doc/bolvera/changelog.gz" "$share/doc/bolvera/copyright" \
         "$share/bash-completion/completions/bolvera-cli" \
         "$share/bolvera/capturas/principal.png"; do
  [ -s "$f" ] || { echo "falta $f"; exit 1; }
done

[ "$("$dest/usr/bin/bolvera-cli" --version)" = "Bolvera $version" ] || { echo "versión"; exit 1; }
[ "$("$dest/usr/bin/bolvera" --version)" = "Bolvera $version" ] || { echo "versión de la ventana"; exit 1; }

# Installed, the data lives in $XDG_DATA_HOME/Bolvera, created on first use.
home=$dest/casa
mkdir -p "$home"
antes=$(find "$dest/usr" | sort)
HOME=$home XDG_DATA_HOME=$home/datos "$dest/usr/bin/bolvera-cli" estado > "$dest/estado.txt"
grep -q "Carpeta de datos: $home/datos/Bolvera/" "$dest/estado.txt" || { cat "$dest/estado.txt"; exit 1; }
[ -s "$home/datos/Bolvera/numeros.dat" ] || { echo "sin histórico"; exit 1; }
fuera=$(find "$home" -type f | grep -v "^$home/datos/Bolvera/" || true)
[ -z "$fuera" ] || { echo "escrito fuera de la carpeta de datos: $fuera"; exit 1; }
[ "$(find "$dest/usr" | sort)" = "$antes" ] || { echo "escrito junto al programa"; exit 1; }

# bolvera-cli loads Qt Core alone; a command that needs more runs in the
# installed bolvera-cli-escritorio.
if readelf -d "$dest/usr/bin/bolvera-cli" | grep -E "NEEDED.*Qt6(Gui|Widgets|PrintSupport|Network|DBus)"; then
  echo "bolvera-cli carga más que Qt Core"; exit 1
fi
set +e
resumen=$(HOME=$home XDG_DATA_HOME=$home/datos "$dest/usr/bin/bolvera-cli" resumen 9 2>&1)
estado=$?
set -e
[ $estado = 1 ] && [ "$resumen" = "No hay peña número 9." ] || { echo "resumen instalado: $estado $resumen"; exit 1; }

# The scheduled update: where `systemctl --user` looks for a /usr install,
# naming the installed program, and sound as systemd reads it.
unidades=$dest/usr/lib/systemd/user
grep -qx "ExecStart=$dest/usr/bin/bolvera-cli actualizar --avisar" "$unidades/bolvera-actualizar.service" \
  || { echo "ExecStart"; exit 1; }
if command -v systemd-analyze >/dev/null; then
  systemd-analyze --user unit-paths 2>/dev/null | grep -qx /usr/lib/systemd/user || { echo "rutas de systemd"; exit 1; }
  # A line systemd ignores is only a warning: any word from it fails.
  quejas=$(systemd-analyze verify "$unidades/bolvera-actualizar.timer" "$unidades/bolvera-actualizar.service" 2>&1) \
    && [ -z "$quejas" ] || { echo "systemd-analyze verify: $quejas"; exit 1; }
fi

# The manual pages: every command and option of --help is in them, and man
# renders them without a warning.
for programa in bolvera bolvera-cli; do
  pagina=$(zcat "$share/man/man1/$programa.1.gz" | sed 's/\\-/-/g; s/\\(dq/"/g')
  while IFS= read -r entrada; do
    grep -qF -- ".B $entrada" <<<"$pagina" || { echo "$programa.1 no tiene «$entrada»"; exit 1; }
  done < <("$dest/usr/bin/$programa" --help | sed -n 's/^  \([^ ].*[^ ]\)  .*/\1/p; s/^  \([^ ].*[^ ]\)$/\1/p')
  if command -v man >/dev/null; then
    avisos=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$share/man/man1/$programa.1.gz" 2>&1 >/dev/null)
    [ -z "$avisos" ] || { echo "man $programa: $avisos"; exit 1; }
  fi
done

# Completion: commands, a command's options, the values of --papel and files.
if [ -f /usr/share/bash-completion/bash_completion ]; then
  completa() {
    PATH="$dest/usr/bin:$PATH" bash -c '
      source /usr/share/bash-completion/bash_completion
      source "$1"; shift
      COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
      _bolvera_cli; printf "%s\n" "${COMPREPLY[@]}"' _ "$share/bash-completion/completions/bolvera-cli" "$@" | sort | tr '\n' ' '
  }
  [ "$(completa bolvera-cli soc)" = "socio-anadir socio-cambiar socio-pago socio-quitar socios " ] \
    || { echo "compleción de órdenes: $(completa bolvera-cli soc)"; exit 1; }
  [ "$(completa bolvera-cli imprimir 1 --p)" = "--papel --pdf " ] || { echo "compleción de opciones"; exit 1; }
  [ "$(completa bolvera-cli imprimir 1 --papel '')" = "normal oficial " ] || { echo "compleción de --papel"; exit 1; }
  [ "$(completa bolvera-cli --dir /tmp nueva-pena --dia V)" = "Viernes " ] || { echo "compleción de --dia"; exit 1; }
  ( cd "$dest" && touch sorteos.csv && [ "$(completa bolvera-cli importar-csv sorteos.c)" = "sorteos.csv " ] ) \
    || { echo "compleción de ficheros"; exit 1; }
fi

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/es.bolvera.Bolvera.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$share/metainfo/es.bolvera.Bolvera.metainfo.xml"
fi
grep -q "<release version=\"$version\"" "$share/metainfo/es.bolvera.Bolvera.metainfo.xml" || { echo "versión de AppStream"; exit 1; }
# The Debian package, as lintian judges it: no error and no warning.
if command -v lintian >/dev/null && command -v cpack >/dev/null; then
  ( cd "$build" && cpack -G DEB >/dev/null )
  paquete=$(ls "$build"/bolvera_"$version"_*.deb)
  quejas=$(lintian --suppress-tags-from-file /dev/null "$paquete" 2>&1 | grep -E '^[EW]: ' || true)
  [ -z "$quejas" ] || { echo "lintian: $quejas"; exit 1; }
fi
echo "instalación correcta"
