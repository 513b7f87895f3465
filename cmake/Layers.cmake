# The build holds the layers. Every folder is a library of its own, and a library's sources see
# the headers of its own folder and of the libraries it links, nothing else: each library has an
# include root under the build tree that mirrors its folder with links to the folder's headers,
# and linking a library is what puts its root on the include path. An #include of a folder that
# a library may not use finds no file, and the build fails.
#
#   tamsendor_layer(<target> FOLDERS <folder>...)
#
# Each library also compiles one generated file that includes all its headers, so a header that
# nothing in its own library includes is held to the layers too.
function(tamsendor_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "FOLDERS")
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${root})
  set(includes "// Every header of ${target}: a wrong include in any of them fails the build.\n")
  foreach(folder IN LISTS arg_FOLDERS)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS headers)
      get_filename_component(name ${header} NAME)
      file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
      string(APPEND includes "#include \"${folder}/${name}\"\n")
    endforeach()
  endforeach()
  # Rewritten only when the list changes, so a reconfiguration does not rebuild it.
  set(check ${CMAKE_BINARY_DIR}/layers/${target}_headers.cpp)
  file(CONFIGURE OUTPUT ${check} CONTENT "${includes}" @ONLY)
  target_sources(${target} PRIVATE ${check})
  target_include_directories(${target} PUBLIC ${root})
  tamsendor_defaults(${target})
endfunction()
