Areas.push('50,106,74,130,javascript:go(\'x\'),left');
Areas.push('10,10,50,40,tri.html?a=1&amp;b=2,left');
Areas.push('100,100,150,150,sq.html,left');
Areas.push('200,200,250,230,box.html,left');
Areas.push('0,0,400,300,all.html,left');