# Test programs for render.
swarmfall_test(test_loader_obj test_loader_obj.cpp)
swarmfall_test(test_loader_dds test_loader_dds.cpp)
swarmfall_test(test_loader_fuzz test_loader_fuzz.cpp)
swarmfall_test(test_render_city_mesh test_render_city_mesh.cpp)
swarmfall_test(test_render_culling test_render_culling.cpp)
swarmfall_test(test_render_camera test_render_camera.cpp)
