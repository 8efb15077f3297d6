add_dependencies(test_cli tessaline-sim tessaline-cli)
