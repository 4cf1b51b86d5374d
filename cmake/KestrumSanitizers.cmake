# KESTRUM_SANITIZE applies to everything built in this tree (our code and tests);
# the prebuilt GoogleTest and Qt libraries stay as Debian ships them.
if(KESTRUM_SANITIZE)
    set(_kestrum_san -fsanitize=${KESTRUM_SANITIZE} -fno-omit-frame-pointer -g)
    if(KESTRUM_SANITIZE MATCHES "undefined")
        list(APPEND _kestrum_san -fno-sanitize-recover=undefined)
    endif()
    add_compile_options(${_kestrum_san})
    add_link_options(-fsanitize=${KESTRUM_SANITIZE})
endif()
