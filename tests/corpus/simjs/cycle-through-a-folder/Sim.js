function buildSimulation(){
  Areas.push("0, 0, 1, 1, sub/b.html, left, 0");
  Areas.push("1, 1, 2, 2, c.html, left, 3");
  Areas.push("2, 2, 3, 3, d.html, left, 4");
  walk.push(new page(1, "start", "shot1.png", Areas));
  Areas.push("0, 0, 1, 1, ../start.html, left, 0");
  Areas.push("1, 1, 2, 2, ./b.html, left, 2");
  Areas.push("2, 2, 3, 3, ../sub/b.html, left, 0");
  walk.push(new page(2, "b", "../shot2.png", Areas));
  walk.push(new page(3, "c", "", Areas));
  walk.push(new page(4, "d", "", Areas));
}
