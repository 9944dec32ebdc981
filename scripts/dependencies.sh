# Installs the Debian packages the build and the tests need, when any is missing.
# Sourced by ./run and ./test.
ulnik_packages=(
    cmake ninja-build g++ clang pkg-config
    qt6-base-dev qt6-webengine-dev qt6-pdf-dev libgl-dev libxext-dev qt6-translations-l10n
    libgtest-dev libbenchmark-dev libpugixml-dev libgumbo-dev
    libturbojpeg0-dev libjpeg62-turbo-dev
    xvfb xauth xsltproc
    fonts-dejavu-core fonts-liberation2 fonts-wine fontconfig
    locales desktop-file-utils appstream man-db file poppler-utils python3
    libqpdf-dev libcups2-dev cups-daemon cups-client
)
# The web page: emscripten builds it, node runs its command-line tool, Chromium and Firefox test it.
ulnik_packages+=(emscripten nodejs chromium chromium-driver python3-selenium firefox-esr)

# The Windows build (scripts/build-windows): the cross-compiler, GoogleTest's sources to build
# with it, and Wine to run what it builds.
ulnik_windows_packages=(g++-mingw-w64-x86-64-posix googletest wine wine64)

# With extra package names, installs those too (scripts/package needs the packaging tools).
ulnik_install_dependencies() {
    local missing=()
    for p in "${ulnik_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        $sudo apt-get update -q
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
    # The tests run the programs under a Polish locale.
    if ! locale -a 2>/dev/null | grep -qx 'pl_PL.utf8'; then
        echo "Generating the pl_PL.UTF-8 locale"
        $sudo sed -i 's/^# *\(pl_PL.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -qx 'pl_PL.UTF-8 UTF-8' /etc/locale.gen || echo 'pl_PL.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
        $sudo locale-gen >/dev/null
    fi
}
