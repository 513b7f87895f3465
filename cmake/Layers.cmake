# The build holds the layers. Every folder is a library of its own, and a library's sources see
# the headers of its own folder and of the libraries it links, nothing else: each library has an
# include root under the build tree that mirrors its folder with links to the folder's headers,
# and linking a library is what puts its root on the include path. An #include of a folder that
# a library may not use finds no file, and the build fails.
#
#   tamsendor_layer(<target> FOLDERS <folder>... [NO_VERIFY])
#
# Natively, every header is also compiled on its own with just its library's include path (the
# `all_verify_interface_header_sets` target, which the native tests depend on), so a header that
# nothing in its own library includes is held to the layers too.
function(tamsendor_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "NO_VERIFY" "" "FOLDERS")
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${root})
  set(links)
  foreach(folder IN LISTS arg_FOLDERS)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS headers)
      get_filename_component(name ${header} NAME)
      file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
      list(APPEND links ${root}/${folder}/${name})
    endforeach()
  endforeach()
  target_sources(${target} PUBLIC FILE_SET HEADERS BASE_DIRS ${root} FILES ${links})
  if(NOT WIN32 AND NOT arg_NO_VERIFY)
    set_target_properties(${target} PROPERTIES VERIFY_INTERFACE_HEADER_SETS ON)
  endif()
  tamsendor_defaults(${target})
endfunction()
