"""Characters and props drawn by several families and screens (the hero bird, eggs...)."""
