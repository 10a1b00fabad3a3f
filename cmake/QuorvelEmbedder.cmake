# quorvel-embed-resources, the tool that turns the manifest's files into byte
# arrays: built by the host build and by the cross builds' host tools.
add_executable(quorvel-embed-resources ${QUORVEL_ROOT_DIR}/tools/embed_resources.cpp)
target_compile_options(quorvel-embed-resources PRIVATE ${QUORVEL_PRODUCT_FLAGS})
