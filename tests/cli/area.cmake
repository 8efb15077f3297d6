# other_user_test runs the window too, offscreen.
add_dependencies(test_cli tessaline-sim tessaline-cli tessaline)
