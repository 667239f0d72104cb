# Interface targets that every target of ours links: warnings always,
# sanitizers when VORENDAL_SANITIZE is on (the dev preset).
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)

add_library(project_sanitizers INTERFACE)
if(VORENDAL_SANITIZE)
  # -O1 keeps sanitized test runs quick without hiding reports.
  target_compile_options(project_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1)
  target_link_options(project_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

add_library(project_options INTERFACE)
target_link_libraries(project_options INTERFACE project_warnings project_sanitizers)
