# Sourced by run.sh and test.sh: installs the system packages the project needs, once.
PACKAGES=(
  g++ cmake ninja-build ccache zlib1g-dev libbz2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libqt6widgets6 libqt6printsupport6 libqt6test6 qt6-qpa-plugins
  fonts-liberation2 fonts-dejavu-core poppler-utils
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils imagemagick openbox wmctrl
  gnupg gpg-agent libgpgme-dev
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure_and_build DIR [cmake options...]
# The compiler cache is set up by CMakeLists.txt for every build of the folder.
configure_and_build() {
  local dir=$1; shift
  # Three builds (normal, sanitizer, fuzz) of a large tree: the default 5 GB evicts between runs.
  # Stored in ccache's own configuration, so builds started without this script keep it too.
  ccache --max-size="${ZOD_CCACHE_SIZE:-12G}" >/dev/null
  cmake -S "$ROOT" -B "$ROOT/$dir" -G Ninja "$@" >/dev/null
  cmake --build "$ROOT/$dir"
}
