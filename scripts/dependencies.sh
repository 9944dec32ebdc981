# Installs the Debian packages the build and the tests need, when any is missing.
# Sourced by ./run and ./test.
ulnik_packages=(
    cmake ninja-build g++ clang pkg-config
    qt6-base-dev qt6-webengine-dev qt6-pdf-dev libgl-dev
    libgtest-dev libbenchmark-dev libpugixml-dev
    libturbojpeg0-dev libjpeg62-turbo-dev
    xvfb xauth xsltproc fonts-dejavu-core
    libqpdf-dev libcups2-dev poppler-utils cups-daemon cups-client
)

ulnik_install_dependencies() {
    local missing=()
    for p in "${ulnik_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}
