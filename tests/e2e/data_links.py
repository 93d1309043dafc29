"""A scratch copy of a data folder made of links: every entry links to the original, and a file a
test writes turns the linked folders on its way into real folders of links, so that the change
stays in the copy and the game's own data is never touched."""
import os


def link_data(root, source):
    """Fills root (made when missing) with links to the entries of the folder source; returns root."""
    os.makedirs(root, exist_ok=True)
    for entry in os.listdir(source):
        os.symlink(os.path.join(source, entry), os.path.join(root, entry))
    return root


def writable(root, name):
    """The path in root of the file name ("data/maps/easy/l1_map.xml"), ready to be written: linked
    folders on the way become folders of links, missing ones are made, a link at the file itself
    is removed."""
    path = root
    for part in name.split("/")[:-1]:
        path = os.path.join(path, part)
        if os.path.islink(path):
            source = os.readlink(path)
            os.unlink(path)
            link_data(path, source)
        elif not os.path.exists(path):
            os.mkdir(path)
    target = os.path.join(root, name)
    if os.path.islink(target):
        os.unlink(target)
    return target
