-- Sample database Data/2004年房屋安全鉴定报告.had: ten appraisal reports of
-- 2004 from one appraisal office in Guangzhou, with their component tables.
--
-- The builder runs these statements on staging tables that have the columns
-- of ProjectTab and CalcuData, then copies every row into a new .had file
-- made by the program's own file creation. Conventions of this source:
--   * dates are written yyyy-mm-dd;
--   * a line break inside a text is stored as CR LF, the way the report
--     memos hold their lines;
--   * text fields left empty hold an empty text, unused floor areas are
--     NULL, as the report window stores them; DangerCircs, ShatterReason
--     and version are never set and stay NULL;
--   * counts in CalcuData are texts, as the component table stores them;
--   * every report carries the initial page settings (last statement).
--
-- Each report's comment gives the danger grade its component table yields,
-- worked out by the fuzzy evaluation: p_f, p_s, p_e are the rounded shares
-- of dangerous components of the foundation, the load-bearing structure
-- (weighted 2.4 columns and walls, 1.9 main beams and trusses, 1.4 secondary
-- beams, 1 slabs) and the enclosure; (a, b, c, d) their membership degrees;
-- A, B, C, D the overall degrees. Grades covered: A级, B级, C级, D级, and the
-- special "D" (a foundation or load-bearing structure entirely dangerous).


-- 2004-008, expected grade A级 -------------------------------------------------
-- foundation 0 of 25: p_f = 0 -> (1, 0, 0, 0)
-- load-bearing: nothing dangerous: p_s = 0 -> (1, 0, 0, 0)
-- enclosure 1 of 100: p_e = 0.01 -> (0, 1, 0, 0)
-- A = max(0.3, 0.6, 0) = 0.60, B = max(0, 0, 0.1) = 0.10, C = 0, D = 0 -> A级

INSERT INTO ProjectTab (FileNo) VALUES ('2004-008');
UPDATE ProjectTab SET
  Client = '广州市越秀区东园路小学',
  TrustDate = '2004-02-16',
  LinkMan = '周卫东',
  LinkPhone = '020-83351276',
  Address = '广州市越秀区东园路38号教学楼',
  PropertyRightMan = '广州市越秀区东园路小学',
  BldgPurpose = '教学楼',
  BuildYear = '1996年',
  StrucStyle = '框架结构',
  BuildAreaOther = 3260.5,
  PlaneShape = 'L形',
  Layers = '4',
  PropertyRightAttr = '全民所有产',
  PropertyRightCertificate = '穗房权证字第0207315号',
  Memory = '',
  ApprPurpose = '校舍年度安全检查',
  ApprCircs = '该楼为四层现浇钢筋混凝土框架结构，L形平面，建筑面积3260.5平方米，1996年建成，一直作教学用途。
经现场查勘，地基基础未见不均匀沉降迹象，首层地面及室外散水完好，未发现沉降裂缝。
梁、板、柱构件完好，未发现受力裂缝及钢筋锈蚀，楼面无明显变形；经抽测，框架柱倾斜率均在规范允许范围内。
填充墙局部有收缩引起的细微裂缝，宽度小于0.2mm；东侧首层入口雨篷板底钢筋锈蚀外露，保护层局部剥落。',
  ShatterReason0 = '1、填充墙细微裂缝为砌体与混凝土梁柱收缩变形不一致所致，属非受力裂缝。
2、雨篷排水孔堵塞，板面长期积水渗漏，钢筋锈蚀膨胀，致使保护层剥落。',
  ApprConclusion = '该楼主体结构基本完好，承重构件未发现危险点，仅入口雨篷一处构件属危险构件。
经综合评定，该楼危险性等级为A级，能满足正常使用要求。',
  DisposalAdvi = '1、对入口雨篷进行除锈、修补，恢复混凝土保护层，并疏通排水孔。
2、填充墙裂缝可结合日常维修用弹性材料封闭。
3、按规定做好校舍的日常检查和维护。',
  Surveyor = '陈志明、李伟',
  ApprUnit = '广州市城安房屋安全鉴定所',
  Appraiser = '陈志明',
  Assessor = '黄建华',
  AuthorizedMan = '梁国栋',
  ApprDate = '2004-02-24'
WHERE FileNo = '2004-008';

INSERT INTO CalcuData VALUES ('2004-008', '1', '地基基础', '地基', '地基', '1', '0', '');
INSERT INTO CalcuData VALUES ('2004-008', '2', '地基基础', '基础', '混凝土', '24', '0', '');
INSERT INTO CalcuData VALUES ('2004-008', '3', '承重结构', '柱', '混凝土', '96', '0', '');
INSERT INTO CalcuData VALUES ('2004-008', '4', '承重结构', '主梁', '混凝土', '120', '0', '');
INSERT INTO CalcuData VALUES ('2004-008', '5', '承重结构', '次梁', '混凝土', '80', '0', '');
INSERT INTO CalcuData VALUES ('2004-008', '6', '承重结构', '板', '混凝土', '160', '0', '');
INSERT INTO CalcuData VALUES ('2004-008', '7', '围护结构', '墙段', '砌体', '64', '0', '');
INSERT INTO CalcuData VALUES ('2004-008', '8', '围护结构', '围护构件', '混凝土', '36', '1', '4.5.3-5');


-- 2004-015, expected grade B级 -------------------------------------------------
-- foundation 0 of 31: p_f = 0 -> (1, 0, 0, 0)
-- load-bearing: N = 2.4*2 + 1 = 5.8, D = 2.4*60 + 1.9*18 + 72 = 250.2,
--   p_s = 0.0232 -> 0.02 -> (0, 1, 0, 0)
-- enclosure 2 of 40: p_e = 0.05 -> (0, 1, 0, 0)
-- A = 0.30, B = 0.60, C = 0, D = 0 -> B级

INSERT INTO ProjectTab (FileNo) VALUES ('2004-015');
UPDATE ProjectTab SET
  Client = '张国强',
  TrustDate = '2004-03-05',
  LinkMan = '张国强',
  LinkPhone = '13902236418',
  Address = '广州市海珠区江燕路凤阳新村东约45号',
  PropertyRightMan = '张国强、刘美玲',
  BldgPurpose = '住宅',
  BuildYear = '1991年',
  StrucStyle = '混合结构',
  BuildAreaHowff = 320.6,
  BuildAreaTrade = 86,
  PlaneShape = '矩形',
  Layers = '4',
  PropertyRightAttr = '私产',
  PropertyRightCertificate = '粤房地证字第C2817460号',
  Memory = '首层临街部分作商铺',
  ApprPurpose = '房屋转让前安全鉴定',
  ApprCircs = '该房屋为四层砖混结构私人住宅，首层临街部分作商铺，建筑面积406.6平方米，1991年建成。
承重墙为240mm厚红砖墙，楼面、屋面为现浇钢筋混凝土板，首层大开间处设钢筋混凝土梁。
经现场查勘，房屋四角未见明显沉降，抽测外墙倾斜率最大为0.2%。
首层东侧纵墙及二层楼梯间墙体各有一条竖向裂缝，最大缝宽1.5mm，缝长超过层高一半。
三层卫生间楼板底局部保护层剥落，钢筋外露锈蚀；天面女儿墙两处竖向开裂，缝宽约1.2mm。',
  ShatterReason0 = '1、首层开设商铺时拆除部分隔墙，墙体受力增大，产生受压竖向裂缝。
2、卫生间防水层老化，楼板长期渗水，钢筋锈蚀膨胀。
3、女儿墙未设构造柱，温度变化引起开裂。',
  ApprConclusion = '该房屋承重墙有两处、楼板有一处、女儿墙有两处属危险构件，其余构件基本完好。
经综合评定，该房屋危险性等级为B级，结构基本满足正常使用要求。',
  DisposalAdvi = '1、对开裂墙体采用压力灌浆修补，必要时加设钢筋网水泥砂浆面层。
2、凿除卫生间板底松散混凝土，除锈后用聚合物砂浆修补，并重做防水层。
3、女儿墙开裂处拆除重砌，并增设构造柱。
4、不得再拆改承重墙体。',
  Surveyor = '李伟、何嘉欣',
  ApprUnit = '广州市城安房屋安全鉴定所',
  Appraiser = '李伟',
  Assessor = '黄建华',
  AuthorizedMan = '梁国栋',
  ApprDate = '2004-03-12'
WHERE FileNo = '2004-015';

INSERT INTO CalcuData VALUES ('2004-015', '1', '地基基础', '地基', '地基', '1', '0', '');
INSERT INTO CalcuData VALUES ('2004-015', '2', '地基基础', '基础', '砌体', '30', '0', '');
INSERT INTO CalcuData VALUES ('2004-015', '3', '承重结构', '墙段', '砌体', '60', '2', '4.3.3-2');
INSERT INTO CalcuData VALUES ('2004-015', '4', '承重结构', '主梁', '混凝土', '18', '0', '');
INSERT INTO CalcuData VALUES ('2004-015', '5', '承重结构', '板', '混凝土', '72', '1', '4.5.3-5');
INSERT INTO CalcuData VALUES ('2004-015', '6', '围护结构', '墙段', '砌体', '40', '2', '4.3.3-2');


-- 2004-027, expected grade B级 -------------------------------------------------
-- foundation 0 of 13: p_f = 0 -> (1, 0, 0, 0)
-- load-bearing: N = 2.4*1 + 2.4*2 + 1.9*1 + 1.4*3 = 13.3,
--   D = 2.4*8 + 2.4*24 + 1.9*6 + 1.4*40 + 30 = 174.2,
--   p_s = 0.0763 -> 0.08 -> (0, 0.88, 0.12, 0)
-- enclosure 3 of 36: p_e = 0.0833 -> 0.08 -> (0, 0.88, 0.12, 0)
-- A = 0.30, B = 0.60, C = 0.12, D = 0 -> B级

INSERT INTO ProjectTab (FileNo) VALUES ('2004-027');
UPDATE ProjectTab SET
  Client = '黎淑贞',
  TrustDate = '2004-04-02',
  LinkMan = '陈家豪',
  LinkPhone = '020-81702458',
  Address = '广州市荔湾区多宝路多宝坊17号',
  PropertyRightMan = '黎淑贞',
  BldgPurpose = '住宅',
  BuildYear = '约1935年',
  StrucStyle = '砖木结构',
  BuildAreaHowff = 186,
  PlaneShape = '近似矩形',
  Layers = '2',
  PropertyRightAttr = '私产',
  PropertyRightCertificate = '穗房权证字第0115862号',
  Memory = '西关旧式民居',
  ApprPurpose = '了解房屋安全状况',
  ApprCircs = '该房屋为二层砖木结构旧式民居，青砖承重墙，木楼面，人字木屋架坡屋面，建筑面积186平方米，约建于1935年。
经现场查勘，房屋未见明显不均匀沉降，墙脚有返潮现象。
后座东侧承重墙两处竖向开裂，缝宽约1.2mm，缝长超过层高的一半。
天井旁一根木柱柱脚腐朽，腐朽面积约占截面的四分之一；一榀屋架端部节点腐朽劈裂，屋架下挠明显。
屋面三根檩条入墙端腐朽、虫蛀，挠度超过跨度的1/120；前座一段围护墙鼓闪，两块木隔板虫蛀严重。
其余木梁、楼板基本完好。',
  ShatterReason0 = '1、房屋年代久远，材料自然老化。
2、屋面瓦片破损，雨水长期渗漏，使檩条、屋架端部及木柱柱脚受潮腐朽，并遭白蚁侵蚀。
3、墙脚无防潮层，墙体受潮酥松，承载力下降。',
  ApprConclusion = '该房屋承重墙两处、木柱一根、屋架一榀、檩条三根及部分围护构件属危险构件。
经综合评定，该房屋危险性等级为B级，属局部有危险点的房屋。',
  DisposalAdvi = '1、更换腐朽檩条，对屋架端部节点加设钢夹板加固，并检修屋面。
2、木柱柱脚腐朽部分截除后墩接，并作防腐处理。
3、开裂墙体灌浆修补，鼓闪墙段拆除重砌。
4、请白蚁防治部门进行灭蚁处理。',
  Surveyor = '陈志明、梁振华',
  ApprUnit = '广州市城安房屋安全鉴定所',
  Appraiser = '陈志明',
  Assessor = '黄建华',
  AuthorizedMan = '梁国栋',
  ApprDate = '2004-04-09'
WHERE FileNo = '2004-027';

INSERT INTO CalcuData VALUES ('2004-027', '1', '地基基础', '地基', '地基', '1', '0', '');
INSERT INTO CalcuData VALUES ('2004-027', '2', '地基基础', '基础', '砌体', '12', '0', '');
INSERT INTO CalcuData VALUES ('2004-027', '3', '承重结构', '墙段', '砌体', '24', '2', '4.3.3-2');
INSERT INTO CalcuData VALUES ('2004-027', '4', '承重结构', '柱', '木结构', '8', '1', '4.4.3-6');
INSERT INTO CalcuData VALUES ('2004-027', '5', '承重结构', '屋架', '木结构', '6', '1', '4.4.3-4');
INSERT INTO CalcuData VALUES ('2004-027', '6', '承重结构', '次梁', '木结构', '40', '3', '4.4.3-5');
INSERT INTO CalcuData VALUES ('2004-027', '7', '承重结构', '板', '木结构', '30', '0', '');
INSERT INTO CalcuData VALUES ('2004-027', '8', '围护结构', '墙段', '砌体', '16', '1', '4.3.3-6');
INSERT INTO CalcuData VALUES ('2004-027', '9', '围护结构', '围护构件', '木结构', '20', '2', '4.4.3-8');


-- 2004-036, expected grade C级 -------------------------------------------------
-- foundation 2 of 29: p_f = 0.0690 -> 0.07 -> (0, 0.92, 0.08, 0)
-- load-bearing: N = 2.4*9 + 1.9*2 + 10 = 35.4, D = 2.4*48 + 1.9*12 + 64 = 202,
--   p_s = 0.1752 -> 0.18 -> (0, 0.48, 0.52, 0); the stair row is not a counted
--   component and does not enter the sums
-- enclosure 4 of 32: p_e = 0.125 -> 0.13 (half rounds up) -> (0, 0.68, 0.32, 0)
-- A = 0, B = max(0.3, 0.48, 0.1) = 0.48, C = max(0.08, 0.52, 0.1) = 0.52,
-- D = 0 -> C级

INSERT INTO ProjectTab (FileNo) VALUES ('2004-036');
UPDATE ProjectTab SET
  Client = '广州市越秀区黄花岗街道办事处',
  TrustDate = '2004-05-10',
  LinkMan = '吴志刚',
  LinkPhone = '020-87762031',
  Address = '广州市越秀区竹丝岗二马路9号',
  PropertyRightMan = '广州市房地产管理局',
  BldgPurpose = '住宅',
  BuildYear = '1978年',
  StrucStyle = '混合结构',
  BuildAreaHowff = 1380,
  PlaneShape = '矩形',
  Layers = '4',
  PropertyRightAttr = '全民所有产',
  PropertyRightCertificate = '穗房权证字第0032719号',
  Memory = '邻近基坑施工期间应加强观测',
  ApprPurpose = '邻近工程施工影响鉴定',
  ApprCircs = '该楼为四层砖混结构住宅，240mm厚砖墙承重，预制空心板楼面，建筑面积1380平方米，1978年建成。
该楼北侧约8m处正进行深基坑开挖，住户反映近两个月墙体裂缝增多。
经现场查勘，北侧条形基础有两段下沉，室外散水与墙体脱开约15mm。
北侧纵墙及相连横墙共九处出现竖向和斜向裂缝，最大缝宽3mm，多数缝长超过层高的一半。
二层两根钢筋混凝土梁支座附近出现斜裂缝，缝宽约0.5mm；北侧房间十块预制板支座处拉开，搁置长度明显不足。
楼梯一跑梯段板底出现横向裂缝；北侧围护墙四处开裂。',
  ShatterReason0 = '1、邻近基坑开挖及降水引起地基土体位移和附加沉降，该楼北侧基础下沉。
2、房屋北侧产生不均匀沉降，墙体、梁及预制板随之开裂、拉开。
3、房屋建造年代较早，未设圈梁和构造柱，整体性较差。',
  ApprConclusion = '该楼北侧基础、承重墙、梁及楼板多处属危险构件，危险构件已占相当比例。
经综合评定，该楼危险性等级为C级，属局部危险房屋。',
  DisposalAdvi = '1、立即通知基坑施工单位采取措施控制基坑变形，并停止北侧降水。
2、对该楼设置沉降和裂缝观测点，每周观测一次，发现异常立即撤离住户。
3、北侧房间预制板支座处加设钢托梁，开裂墙体待沉降稳定后灌浆加固。
4、北侧基础采用注浆或锚杆静压桩加固。',
  Surveyor = '李伟、何嘉欣',
  ApprUnit = '广州市城安房屋安全鉴定所',
  Appraiser = '李伟',
  Assessor = '黄建华',
  AuthorizedMan = '梁国栋',
  ApprDate = '2004-05-18'
WHERE FileNo = '2004-036';

INSERT INTO CalcuData VALUES ('2004-036', '1', '地基基础', '地基', '地基', '1', '0', '');
INSERT INTO CalcuData VALUES ('2004-036', '2', '地基基础', '基础', '砌体', '28', '2', '4.2.4-2');
INSERT INTO CalcuData VALUES ('2004-036', '3', '承重结构', '墙段', '砌体', '48', '9', '4.3.3-2');
INSERT INTO CalcuData VALUES ('2004-036', '4', '承重结构', '主梁', '混凝土', '12', '2', '4.5.3-3');
INSERT INTO CalcuData VALUES ('2004-036', '5', '承重结构', '板', '混凝土', '64', '10', '4.5.3-16');
INSERT INTO CalcuData VALUES ('2004-036', '6', '承重结构', '楼梯', '混凝土', '4', '1', '4.5.3-4');
INSERT INTO CalcuData VALUES ('2004-036', '7', '围护结构', '墙段', '砌体', '32', '4', '4.3.3-2');


-- 2004-042, expected grade C级 (tie of C and D goes to the better grade) -----
-- foundation 0 of 15: p_f = 0 -> (1, 0, 0, 0)
-- load-bearing: N = 2.4*8 + 2.4*13 + 1.9*6 + 20 = 81.8,
--   D = 2.4*12 + 2.4*20 + 1.9*10 + 30 = 125.8,
--   p_s = 0.6502 -> 0.65 -> (0, 0, 0.50, 0.50)
-- enclosure 5 of 10: p_e = 0.50 -> (0, 0, 0.71, 0.29)
-- A = 0.30, B = 0, C = max(0.5, 0.1) = 0.50, D = max(0.5, 0.1) = 0.50 -> C级

INSERT INTO ProjectTab (FileNo) VALUES ('2004-042');
UPDATE ProjectTab SET
  Client = '广州市荔湾区宏发百货商行',
  TrustDate = '2004-06-01',
  LinkMan = '梁锦棠',
  LinkPhone = '13609712583',
  Address = '广州市荔湾区上下九路126号',
  PropertyRightMan = '梁锦棠',
  BldgPurpose = '商业铺面',
  BuildYear = '约1928年',
  StrucStyle = '砖木结构',
  BuildAreaHowff = 140,
  BuildAreaTrade = 210,
  PlaneShape = '矩形',
  Layers = '3',
  PropertyRightAttr = '私产',
  PropertyRightCertificate = '穗房权证字第0098431号',
  Memory = '骑楼，首层商铺，二、三层住人',
  ApprPurpose = '商铺续租前安全鉴定',
  ApprCircs = '该房屋为三层砖木结构骑楼，临街设砖柱骑楼廊，木梁木楼面，建筑面积350平方米，约建于1928年。
首层作百货商铺，二、三层作仓库及住人。
经现场查勘，骑楼砖柱十二根中有八根出现水平或竖向裂缝，其中两根柱身明显外闪。
承重墙二十个墙段中十三段开裂，部分裂缝贯通，最大缝宽约4mm。
木主梁十根中六根受拉区开裂、下挠明显；二、三层木楼板多处腐朽、虫蛀，踩踏时有明显振动。
后座围护墙半数开裂鼓闪。',
  ShatterReason0 = '1、房屋建成已七十余年，砖砌体风化、灰缝酥松，木构件老化。
2、二、三层长期堆放货物，楼面荷载远超原设计。
3、屋面及楼面长期渗漏，白蚁为害，木构件腐朽。',
  ApprConclusion = '该房屋承重构件大部分已属危险构件，骑楼砖柱和木梁损坏严重。
经综合评定，该房屋危险性等级为C级，属局部危险房屋，须及时采取措施。',
  DisposalAdvi = '1、立即清除二、三层堆放的货物，三层停止住人。
2、骑楼砖柱外闪部位先用钢管临时支顶，再采用外包角钢加固。
3、更换开裂下挠的木梁及腐朽楼板，墙体灌浆加固。
4、加固完成前骑楼廊下设置警示标志。',
  Surveyor = '陈志明、梁振华',
  ApprUnit = '广州市城安房屋安全鉴定所',
  Appraiser = '陈志明',
  Assessor = '黄建华',
  AuthorizedMan = '梁国栋',
  ApprDate = '2004-06-08'
WHERE FileNo = '2004-042';

INSERT INTO CalcuData VALUES ('2004-042', '1', '地基基础', '地基', '地基', '1', '0', '');
INSERT INTO CalcuData VALUES ('2004-042', '2', '地基基础', '基础', '砌体', '14', '0', '');
INSERT INTO CalcuData VALUES ('2004-042', '3', '承重结构', '柱', '砌体', '12', '8', '4.3.3-4');
INSERT INTO CalcuData VALUES ('2004-042', '4', '承重结构', '墙段', '砌体', '20', '13', '4.3.3-2');
INSERT INTO CalcuData VALUES ('2004-042', '5', '承重结构', '主梁', '木结构', '10', '6', '4.4.3-3');
INSERT INTO CalcuData VALUES ('2004-042', '6', '承重结构', '板', '木结构', '30', '20', '4.4.3-1');
INSERT INTO CalcuData VALUES ('2004-042', '7', '围护结构', '墙段', '砌体', '10', '5', '4.3.3-6');


-- 2004-057, expected grade D级 -------------------------------------------------
-- foundation 3 of 10: p_f = 0.30 -> (0, 0, 1.00, 0) (d is 0 at exactly 0.30)
-- load-bearing: N = 2.4*16 + 1.9*3 + 1.4*28 = 83.3, D = 2.4*20 + 1.9*4 + 1.4*36 = 106,
--   p_s = 0.7858 -> 0.79 -> (0, 0, 0.30, 0.70)
-- enclosure 6 of 8: p_e = 0.75 -> (0, 0, 0.36, 0.64)
-- A = 0, B = 0, C = max(0.3, 0.3, 0.1) = 0.30, D = max(0, 0.6, 0.1) = 0.60
-- -> D级 (no part has d = 1, so the special rule does not apply)

INSERT INTO ProjectTab (FileNo) VALUES ('2004-057');
UPDATE ProjectTab SET
  Client = '何炳坤',
  TrustDate = '2004-07-05',
  LinkMan = '何志文',
  LinkPhone = '020-84781935',
  Address = '广州市番禺区南村镇坑头村西约22号',
  PropertyRightMan = '何炳坤',
  BldgPurpose = '住宅',
  BuildYear = '约1960年',
  StrucStyle = '泥砖木结构',
  BuildAreaHowff = 96,
  PlaneShape = '矩形',
  Layers = '1',
  PropertyRightAttr = '私产',
  PropertyRightCertificate = '',
  Memory = '无产权证，由村委会出具权属证明',
  ApprPurpose = '申请危房改造补助',
  ApprCircs = '该房屋为单层泥砖木结构农村住宅，泥砖墙承重，木屋架、木檩条、瓦屋面，建筑面积96平方米，约建于1960年。
经现场查勘，砖砌条形基础受雨水冲刷，三段基础外露酥碎，墙脚掏空。
承重泥砖墙二十个墙段中十六段开裂、倾斜，最大倾斜率约2%，山墙外闪明显。
四榀木屋架中三榀下挠、节点劈裂；三十六根檩条中二十八根腐朽、下挠，屋面多处塌陷漏雨。
围护墙大部分开裂鼓闪。',
  ShatterReason0 = '1、泥砖墙耐水性差，长期雨水冲刷及墙脚受潮，墙体酥松、承载力大幅下降。
2、屋面失修漏雨，木构件腐朽并受白蚁侵蚀。
3、房屋超过使用年限，缺乏维修。',
  ApprConclusion = '该房屋承重墙、屋架及檩条大部分属危险构件，房屋随时有倒塌的可能。
经综合评定，该房屋危险性等级为D级，属整幢危险房屋。',
  DisposalAdvi = '1、立即停止使用，住户搬出，并在房屋周围设置警示标志。
2、该房屋已无加固价值，建议拆除重建。',
  Surveyor = '李伟、何嘉欣',
  ApprUnit = '广州市城安房屋安全鉴定所',
  Appraiser = '李伟',
  Assessor = '黄建华',
  AuthorizedMan = '梁国栋',
  ApprDate = '2004-07-09'
WHERE FileNo = '2004-057';

INSERT INTO CalcuData VALUES ('2004-057', '1', '地基基础', '基础', '砌体', '10', '3', '4.2.4-2');
INSERT INTO CalcuData VALUES ('2004-057', '2', '承重结构', '墙段', '砌体', '20', '16', '4.3.3-5');
INSERT INTO CalcuData VALUES ('2004-057', '3', '承重结构', '屋架', '木结构', '4', '3', '4.4.3-4');
INSERT INTO CalcuData VALUES ('2004-057', '4', '承重结构', '次梁', '木结构', '36', '28', '4.4.3-5');
INSERT INTO CalcuData VALUES ('2004-057', '5', '围护结构', '墙段', '砌体', '8', '6', '4.3.3-6');


-- 2004-063, expected grade "D" (special rule: the foundation) ---------------
-- foundation 17 of 17: p_f = 1 -> (0, 0, 0, 1): d of the foundation is 1
-- load-bearing: N = 2.4*6 + 2 = 16.4, D = 2.4*40 + 30 = 126,
--   p_s = 0.1302 -> 0.13 -> (0, 0.68, 0.32, 0)
-- enclosure 3 of 20: p_e = 0.15 -> (0, 0.60, 0.40, 0)
-- A = 0, B = 0.60, C = 0.32, D = 0.30: the largest degree alone would give
-- B级, but a foundation entirely dangerous gives "D"

INSERT INTO ProjectTab (FileNo) VALUES ('2004-063');
UPDATE ProjectTab SET
  Client = '广州市白云区同和街道办事处',
  TrustDate = '2004-07-12',
  LinkMan = '罗伟光',
  LinkPhone = '020-87091426',
  Address = '广州市白云区同和街蟹山路61号',
  PropertyRightMan = '罗志坚',
  BldgPurpose = '住宅',
  BuildYear = '1993年',
  StrucStyle = '混合结构',
  BuildAreaHowff = 265,
  PlaneShape = '近似矩形',
  Layers = '3',
  PropertyRightAttr = '私产',
  PropertyRightCertificate = '粤房地证字第C0961538号',
  Memory = '后山边坡滑塌',
  ApprPurpose = '暴雨后房屋安全鉴定',
  ApprCircs = '该房屋为三层砖混结构住宅，建于山脚坡地，后侧紧靠约6m高的土质边坡，建筑面积265平方米，1993年建成。
七月上旬连续暴雨后，后山边坡局部滑塌，房屋地基随坡体向外滑移。
经现场查勘，房屋整体向前侧滑移，前后墙之间地面出现通长裂缝，实测水平位移约35mm，且观测期间仍在增大。
条形基础随地基整体滑动，前侧基础外露。
承重墙六处开裂，缝宽2mm至5mm；二层两块现浇板板底出现交叉裂缝。围护墙三处开裂。',
  ShatterReason0 = '1、连续暴雨使边坡土体饱和，抗剪强度降低，引起滑坡。
2、房屋地基位于滑坡体上，随坡体滑移，基础整体失稳。
3、上部墙体、楼板因地基滑移而开裂。',
  ApprConclusion = '该房屋地基已失稳滑移，且仍在发展，地基基础全部属危险构件，上部结构亦有多处危险点。
经综合评定，该房屋为D级整幢危险房屋。',
  DisposalAdvi = '1、立即撤离住户，房屋停止使用，周边设置警戒范围。
2、请有关部门对后山边坡进行勘察和应急治理。
3、边坡稳定后再对房屋进行复查，确定拆除或加固方案。',
  Surveyor = '陈志明、李伟',
  ApprUnit = '广州市城安房屋安全鉴定所',
  Appraiser = '陈志明',
  Assessor = '黄建华',
  AuthorizedMan = '梁国栋',
  ApprDate = '2004-07-13'
WHERE FileNo = '2004-063';

INSERT INTO CalcuData VALUES ('2004-063', '1', '地基基础', '地基', '地基', '1', '1', '4.2.3-3');
INSERT INTO CalcuData VALUES ('2004-063', '2', '地基基础', '基础', '砌体', '16', '16', '4.2.4-2');
INSERT INTO CalcuData VALUES ('2004-063', '3', '承重结构', '墙段', '砌体', '40', '6', '4.3.3-5');
INSERT INTO CalcuData VALUES ('2004-063', '4', '承重结构', '板', '混凝土', '30', '2', '4.5.3-6');
INSERT INTO CalcuData VALUES ('2004-063', '5', '围护结构', '墙段', '砌体', '20', '3', '4.3.3-5');


-- 2004-071, expected grade "D" (special rule: the load-bearing structure) ---
-- foundation 0 of 6: p_f = 0 -> (1, 0, 0, 0)
-- load-bearing: every column, truss and purlin dangerous:
--   N = D = 2.4*6 + 1.9*3 + 1.4*12 = 36.9, p_s = 1 -> (0, 0, 0, 1)
-- enclosure 7 of 10: p_e = 0.70 -> (0, 0, 0.43, 0.57)
-- A = 0.30, B = 0, C = 0.10, D = 0.60; d of the load-bearing structure is 1
-- -> "D"

INSERT INTO ProjectTab (FileNo) VALUES ('2004-071');
UPDATE ProjectTab SET
  Client = '广州市天河区顺达汽车修理厂',
  TrustDate = '2004-08-16',
  LinkMan = '郑永辉',
  LinkPhone = '020-85561803',
  Address = '广州市天河区车陂路沙美街88号之一',
  PropertyRightMan = '广州市天河区顺达汽车修理厂',
  BldgPurpose = '停车场',
  BuildYear = '1995年',
  StrucStyle = '简易结构',
  BuildAreaGarage = 180,
  PlaneShape = '矩形',
  Layers = '1',
  PropertyRightAttr = '股份制',
  PropertyRightCertificate = '',
  Memory = '临时搭建的停车棚',
  ApprPurpose = '台风后搭建物安全鉴定',
  ApprCircs = '该建筑为单层简易停车棚，钢管柱、角钢屋架、木檩条，石棉瓦屋面及围护，建筑面积180平方米，1995年搭建。
八月中旬台风过境后，屋面大部分被掀翻。
经现场查勘，六根钢管柱柱脚锈穿，其中两根明显倾斜；三榀角钢屋架节点焊缝开裂、螺栓松脱，屋架已扭曲。
十二根木檩条全部受潮腐朽，其中五根折断。
四周石棉瓦围护板大部分破损，骨架松脱。砖墩基础尚完好。',
  ShatterReason0 = '1、搭建时采用的材料规格偏小，连接简陋，整体刚度差。
2、钢构件长期未作防锈处理，锈蚀严重；木檩条受雨淋腐朽。
3、台风风荷载超过其承受能力。',
  ApprConclusion = '该停车棚承重构件全部属危险构件，已丧失承载能力，随时有倒塌的危险。
经综合评定，该建筑为D级整幢危险房屋。',
  DisposalAdvi = '1、立即停止使用，移走棚内车辆，周边设置警示标志。
2、尽快拆除该停车棚。如需重建，应按规定报批并由有资质的单位设计施工。',
  Surveyor = '李伟、梁振华',
  ApprUnit = '广州市城安房屋安全鉴定所',
  Appraiser = '李伟',
  Assessor = '黄建华',
  AuthorizedMan = '梁国栋',
  ApprDate = '2004-08-18'
WHERE FileNo = '2004-071';

INSERT INTO CalcuData VALUES ('2004-071', '1', '地基基础', '基础', '简易结构', '6', '0', '');
INSERT INTO CalcuData VALUES ('2004-071', '2', '承重结构', '柱', '简易结构', '6', '6', '4.7.3-2');
INSERT INTO CalcuData VALUES ('2004-071', '3', '承重结构', '屋架', '简易结构', '3', '3', '4.7.3-5');
INSERT INTO CalcuData VALUES ('2004-071', '4', '承重结构', '次梁', '简易结构', '12', '12', '4.7.3-4');
INSERT INTO CalcuData VALUES ('2004-071', '5', '围护结构', '围护构件', '简易结构', '10', '7', '4.7.3-7');


-- 2004-088, expected grade A级 -------------------------------------------------
-- nothing dangerous: p_f = p_s = p_e = 0 -> (1, 0, 0, 0) each
-- A = max(0.3, 0.6, 0.1) = 0.60, B = C = D = 0 -> A级

INSERT INTO ProjectTab (FileNo) VALUES ('2004-088');
UPDATE ProjectTab SET
  Client = '广州华粤包装材料有限公司',
  TrustDate = '2004-09-20',
  LinkMan = '林晓峰',
  LinkPhone = '020-82216570',
  Address = '广州市黄埔区云埔工业区骏业路8号',
  PropertyRightMan = '广州华粤包装材料有限公司',
  BldgPurpose = '厂房',
  BuildYear = '2001年',
  StrucStyle = '钢结构',
  BuildAreaFactory = 4320,
  PlaneShape = '矩形',
  Layers = '1',
  PropertyRightAttr = '股份制',
  PropertyRightCertificate = '粤房地证字第C3364021号',
  Memory = '',
  ApprPurpose = '厂房抵押贷款前安全鉴定',
  ApprCircs = '该厂房为单层门式刚架轻型钢结构，跨度24m，柱距7.5m，彩钢板屋面，下部1.2m砖墙、上部彩钢板围护，建筑面积4320平方米，2001年建成。
经现场查勘，柱下独立基础及地坪未见沉降裂缝。
钢柱、钢梁、檩条无明显变形，防锈漆基本完好，焊缝及高强螺栓连接未见异常；经抽测，钢柱垂直度和钢梁挠度均符合要求。
围护砖墙及彩钢板完好。',
  ShatterReason0 = '未发现结构性损坏。',
  ApprConclusion = '该厂房结构完好，未发现危险构件。
经综合评定，该厂房危险性等级为A级，能满足正常使用要求。',
  DisposalAdvi = '1、定期检查钢构件防锈涂层，发现脱落及时补涂。
2、屋面不得超载堆放物品，使用中不得擅自在钢构件上开洞、焊接。',
  Surveyor = '陈志明、何嘉欣',
  ApprUnit = '广州市城安房屋安全鉴定所',
  Appraiser = '陈志明',
  Assessor = '黄建华',
  AuthorizedMan = '梁国栋',
  ApprDate = '2004-09-24'
WHERE FileNo = '2004-088';

INSERT INTO CalcuData VALUES ('2004-088', '1', '地基基础', '基础', '混凝土', '18', '0', '');
INSERT INTO CalcuData VALUES ('2004-088', '2', '承重结构', '柱', '钢结构', '18', '0', '');
INSERT INTO CalcuData VALUES ('2004-088', '3', '承重结构', '主梁', '钢结构', '8', '0', '');
INSERT INTO CalcuData VALUES ('2004-088', '4', '承重结构', '次梁', '钢结构', '64', '0', '');
INSERT INTO CalcuData VALUES ('2004-088', '5', '围护结构', '墙段', '砌体', '16', '0', '');
INSERT INTO CalcuData VALUES ('2004-088', '6', '围护结构', '围护构件', '钢结构', '40', '0', '');


-- 2004-095, expected grade B级 -------------------------------------------------
-- foundation 1 of 20: p_f = 0.05 -> (0, 1, 0, 0)
-- load-bearing: N = 1.9*2 + 3 = 6.8, D = 2.4*42 + 1.9*60 + 1.4*40 + 120 = 390.8,
--   p_s = 0.0174 -> 0.02 -> (0, 1, 0, 0)
-- enclosure 2 of 80: p_e = 0.025 -> 0.03 -> (0, 1, 0, 0)
-- A = 0, B = max(0.3, 0.6, 0.1) = 0.60, C = D = 0 -> B级

INSERT INTO ProjectTab (FileNo) VALUES ('2004-095');
UPDATE ProjectTab SET
  Client = '广州市城建职业技术学校',
  TrustDate = '2004-11-03',
  LinkMan = '谭丽华',
  LinkPhone = '020-87113360',
  Address = '广州市天河区五山路271号学生宿舍3号楼',
  PropertyRightMan = '广州市城建职业技术学校',
  BldgPurpose = '学生宿舍',
  BuildYear = '1992年',
  StrucStyle = '框架结构',
  BuildAreaHowff = 5120,
  PlaneShape = 'T形',
  Layers = '6',
  PropertyRightAttr = '全民所有产',
  PropertyRightCertificate = '穗房权证字第0184277号',
  Memory = '拟加装太阳能热水设备',
  ApprPurpose = '宿舍楼改造前安全鉴定',
  ApprCircs = '该楼为六层钢筋混凝土框架结构学生宿舍，T形平面，柱下独立基础，建筑面积5120平方米，1992年建成。
学校拟在天面加装太阳能热水设备，委托对现状进行安全鉴定。
经现场查勘，一处柱下基础的基础梁因地下水位较高钢筋锈蚀，沿主筋方向开裂，缝宽约1.5mm。
框架柱未见损坏，抽测倾斜率均小于0.2%。
二层两根框架梁支座附近出现斜裂缝，缝宽约0.5mm；三块卫生间楼板板底钢筋锈蚀外露。
填充墙两处竖向开裂。',
  ShatterReason0 = '1、基础梁埋于地下水位变化区，混凝土保护层偏薄，钢筋锈蚀。
2、二层框架梁开裂为使用荷载增大及混凝土收缩共同作用所致。
3、卫生间长期渗漏，引起楼板钢筋锈蚀。',
  ApprConclusion = '该楼基础梁一处、框架梁两处、楼板三处及填充墙两处属危险构件，主体结构基本完好。
经综合评定，该楼危险性等级为B级。
在完成下列处理并经复核天面承载力后，方可加装太阳能热水设备。',
  DisposalAdvi = '1、开裂基础梁凿除锈胀混凝土，钢筋除锈后用环氧砂浆修复，并加做防水保护层。
2、开裂框架梁采用粘贴碳纤维布加固。
3、卫生间楼板除锈修补并重做防水。
4、加装设备前由设计单位复核天面结构承载力。',
  Surveyor = '李伟、何嘉欣',
  ApprUnit = '广州市城安房屋安全鉴定所',
  Appraiser = '李伟',
  Assessor = '黄建华',
  AuthorizedMan = '梁国栋',
  ApprDate = '2004-11-10'
WHERE FileNo = '2004-095';

INSERT INTO CalcuData VALUES ('2004-095', '1', '地基基础', '地基', '地基', '1', '0', '');
INSERT INTO CalcuData VALUES ('2004-095', '2', '地基基础', '基础', '混凝土', '19', '1', '4.5.3-5');
INSERT INTO CalcuData VALUES ('2004-095', '3', '承重结构', '柱', '混凝土', '42', '0', '');
INSERT INTO CalcuData VALUES ('2004-095', '4', '承重结构', '主梁', '混凝土', '60', '2', '4.5.3-3');
INSERT INTO CalcuData VALUES ('2004-095', '5', '承重结构', '次梁', '混凝土', '40', '0', '');
INSERT INTO CalcuData VALUES ('2004-095', '6', '承重结构', '板', '混凝土', '120', '3', '4.5.3-5');
INSERT INTO CalcuData VALUES ('2004-095', '7', '围护结构', '墙段', '砌体', '80', '2', '4.3.3-2');


-- The initial page settings, the same for every report.
UPDATE ProjectTab SET
  PageStyle = 'A4',
  PageWidth = 210,
  PageHeight = 297,
  PageOrientation = 0,
  TopMargin = 18,
  BottomMargin = 25,
  LeftMargin = 15,
  RightMargin = 15,
  FooterMargin = 18,
  CovOffsetRightSpace = 0,
  CovOffsetBottomSpace = 0,
  CovRowSpace = 0,
  CovPrnSelAppraisor = 1,
  CovPrnSelAssessor = 1,
  CovPrnSelAuthorizedMan = 1,
  ApprCircsRowCount = 88,
  ShatterReasonRowCount = 20,
  ApprConclusionRowCount = 20,
  DisposalAdviRowCount = 20,
  RowMaxCharCount = 49,
  ClientWidth = 68,
  PhoneWidth = 28;
