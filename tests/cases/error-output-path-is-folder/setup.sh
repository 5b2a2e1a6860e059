mkdir result
