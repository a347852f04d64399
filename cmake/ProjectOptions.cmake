# One INTERFACE target carries warnings and defines for every target of the project.
add_library(melvoro_options INTERFACE)
target_compile_options(melvoro_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough
  -Wmissing-declarations)
if(MELVORO_WERROR)
  target_compile_options(melvoro_options INTERFACE -Werror)
endif()
target_compile_definitions(melvoro_options INTERFACE
  MELVORO_VERSION="${PROJECT_VERSION}")
